// Shell links to the running executable in the user's special folders
// (start-up, desktop, the start menu's programs), through the shell's COM
// link object.
#pragma once
#include <windows.h>
#include <stddef.h>

// Makes "ポルカミナ.lnk" pointing to the running executable in the special
// folder, replacing one of that name. True when the link was saved.
bool CreateShortcut(HWND owner, int folderId);

// Saves a link to target, with nothing else set, as linkName in the special
// folder. True when the link was saved.
bool CreateShortcutInFolder(HWND owner, const char* linkName, const char* target, int folderId);
