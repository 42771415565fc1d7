// The window classes and the hidden owner window that keeps the calendar
// off the taskbar. A second copy of the program finds the first by the
// owner's class and title.
#pragma once
#include <windows.h>

constexpr char kOwnerTitle[] = "私のカレンダーの親ウィンドウ";

// Registers the three window classes (owner, calendar, design list).
bool RegisterWindowClasses(HINSTANCE instance);

// Creates the hidden owner window, which creates the calendar window.
HWND CreateOwnerWindow(HINSTANCE instance);

LRESULT CALLBACK OwnerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
