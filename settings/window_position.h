// The calendar window's outer rectangle in section POSITION of pelmo.ini.
#pragma once
#include <windows.h>

// The rectangle to place the window at: the stored one while its top-left
// corner lies on the primary screen (and at least a margin away from the
// right and bottom edges) and its size lies between the smallest usable
// window and the primary screen, otherwise the fallback rectangle at the
// default corner. A window that only reaches past an edge is kept.
RECT ChooseWindowRect(RECT stored, int screenWidth, int screenHeight);

// Places the window from the stored rectangle and shows it.
void LoadWindowPosition(HWND window);
// Stores the window's outer rectangle; the caller restores a maximised or
// minimised window first so that the normal rectangle is kept.
bool SaveWindowPosition(HWND window);
