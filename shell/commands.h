// Commands of the context menu and of the header buttons.
#pragma once
#include <windows.h>

// dateLine: the date line of the day cell last hovered (the memo to edit).
void HandleCommand(HWND window, int command, const char* dateLine);
