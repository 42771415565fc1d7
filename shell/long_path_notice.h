// The one warning of a calendar kept in a folder whose path is too long for
// its memo files.
#pragma once
#include <windows.h>

// True when the memo file of every date fits the path limit in the folder
// the calendar runs from.
bool MemoPathsFit();

// Tells the user, in a box owned by window, that memos cannot be kept here
// and the calendar goes on without them; nothing when they can.
void WarnWhenMemosCannotBeKept(HWND window);
