// Libraries of the system taken from the system folder only. The program is
// portable and often started from a folder of downloads; Windows would look
// for a library in the program's own folder first, so a file planted there
// under a system library's name would be loaded and run.
#pragma once
#include <windows.h>

// Makes every later load of a library by name, ours and the system's own on
// our behalf, look in the system folder only. The very first thing the
// program does. True when so; false on a system without that choice
// (Windows 7 before KB2533623), where only the current folder is dropped from
// the search and the program's own folder is still looked at.
bool RestrictLibrarySearch();

// Loads a system library given by its bare file name ("RICHED32.DLL") from
// the system folder, whatever the search order of the process; nullptr when
// it is not there or the name holds a folder. Not for comctl32.dll: its
// version 6 comes from the manifest through an ordinary load.
HMODULE LoadSystemLibrary(const char* name);

// The same through the library's full path in the system folder, where its
// own dependencies are then looked for first: the way LoadSystemLibrary goes
// on a system that cannot restrict a single load to that folder.
HMODULE LoadSystemLibraryByPath(const char* name);
