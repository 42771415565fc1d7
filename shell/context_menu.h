// The right-click menu of the calendar window.
#pragma once
#include <windows.h>

void LoadContextMenu();
void ShowContextMenu(HWND window, bool overDayCell);
void DestroyContextMenu();
