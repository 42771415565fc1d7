// What the entry point and the windows share.
#pragma once
#include <windows.h>

// The instance all resources are loaded from.
HINSTANCE AppInstance();
void SetAppInstance(HINSTANCE instance);

// Registers the three window classes (owner, calendar, design list).
bool RegisterWindowClasses(HINSTANCE instance);

// Creates the hidden owner window, which creates the calendar window.
HWND CreateOwnerWindow(HINSTANCE instance);

LRESULT CALLBACK OwnerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
