// The calls to the system whose answers a test has to choose: what the user
// picks in a common dialog, what the shell does with the tray icon, where
// the special folders are, the time, the draws of chance and the folder the
// program runs from. The program makes every one of them through the record
// in force, which is the system's own until a test puts another in its
// place, whole; the test puts the one it found back when it ends.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <stddef.h>

struct SystemCalls {
    // The boxes that tell of a file or picture that cannot be used (memo
    // files, pictures, the holiday file, a folder too deep for memos): they
    // come from steps that run without a user, many times in a test. The
    // questions and the messages of a save that failed are the system's
    // own boxes: a test answers them on the screen as a user does, among
    // the program's other dialogs, in the order they come.
    int(WINAPI* messageBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);
    BOOL(WINAPI* chooseColour)(LPCHOOSECOLORA choose);
    BOOL(WINAPI* openFileName)(LPOPENFILENAMEA open);
    BOOL(WINAPI* notifyIcon)(DWORD message, PNOTIFYICONDATAA data);
    // The file-system path of a special folder by its CSIDL number, at most
    // size bytes; false when the folder has none.
    bool (*specialFolder)(HWND owner, int folderId, char* out, size_t size);
    void(WINAPI* localTime)(LPSYSTEMTIME time);
    DWORD(WINAPI* tickCount)();
    // A number from 0 to 32767.
    int (*random)();
    // The folder of every file of the program, with or without its last
    // backslash; null for the executable's own. Not copied: it must outlive
    // the record.
    const char* appFolder;
};

// The record in force.
const SystemCalls& System();

// The system's own calls, the program's folder the executable's.
SystemCalls SystemOwnCalls();

// Puts calls in force whole; gives the record it replaced.
SystemCalls ReplaceSystemCalls(const SystemCalls& calls);
