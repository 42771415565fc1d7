// Commands of the context menu and of the header buttons that need none of
// the calendar's design state (the design commands are in design_commands).
#pragma once
#include <windows.h>

// dateLine: the date line of the day cell last hovered (the memo to edit).
// An id that no handler owns does nothing. A command whose entry is
// disabled is still carried out: only the program itself can send it.
// True when what the calendar shows may have changed and it should be
// painted again.
bool HandleCommand(HWND window, int command, const char* dateLine);
