// The commands that hand their work to the shell or to a small dialog (exit,
// help, version, the picture folder) and the notices that close by
// themselves.
#pragma once
#include <windows.h>

// The help page, in the folder of that name beside the executable.
constexpr const char* kHelpFolder = "help";
constexpr const char* kHelpFile = "pelmohelp.html";

// Acts on exit, help, version and the picture folder; true when command was
// one of those. What the shell makes of a missing file is left to the shell.
bool HandleShellCommand(HWND window, int command);

// Shows notice IDD_NOTICE_REGISTERED, IDD_NOTICE_OVERWRITTEN or
// IDD_NOTICE_CHANGE_STOPPED owned by window and returns once it has closed
// itself (one second, or three for the called-off change). False for any
// other id or when the dialog cannot be made.
bool ShowNotice(HWND window, int dialogId);
