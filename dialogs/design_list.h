// The design list window "デザイン選択": the registered designs with a live
// preview, reordered, deleted and chosen in the working copy temp.ini.
#pragma once
#include <windows.h>

// Made hidden with the calendar, which owns it; shown by the calendar's
// WM_PELMO_SHOW_DESIGNS. It tells the calendar WM_PELMO_DESIGN_LIST_CLOSED
// as it closes and, after OK, WM_PELMO_APPLY_DESIGN with the chosen design.
HWND CreateDesignListWindow(HWND calendar);

// For the message loop: true when the message was the list window's
// keyboard navigation and has been handled.
bool IsDesignListMessage(MSG* msg);

LRESULT CALLBACK DesignListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
