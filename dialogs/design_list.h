// The design list window "デザイン選択": the registered designs with a live
// preview, reordered, deleted and chosen in the working copy temp.ini.
#pragma once
#include <windows.h>

#include "core/holiday_table.h"

// Made hidden with the calendar, which owns it; shown by the calendar's
// WM_PELMO_SHOW_DESIGNS. It tells the calendar WM_PELMO_DESIGN_LIST_CLOSED
// as it closes and, after OK, WM_PELMO_APPLY_DESIGN with the chosen design.
// The preview shows the holidays of the calendar's table, which outlives
// the window and changes only at the calendar's clock, stopped while the
// list is shown; null means the rules alone.
HWND CreateDesignListWindow(HWND calendar, const HolidayTable* holidays);

// For the message loop: true when the message was the list window's
// keyboard navigation and has been handled.
bool IsDesignListMessage(MSG* msg);

LRESULT CALLBACK DesignListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
