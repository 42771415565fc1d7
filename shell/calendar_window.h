// The calendar window: owns all run-time state of the program.
#pragma once
#include <windows.h>

#include "core/dates.h"

// The month offset and the local time the calendar treats as now, for the
// commands and tests that need them.
int CalendarMonthOffset();
DateTime CalendarNow();

// How many times the calendar was laid out and painted since start.
unsigned CalendarRefreshCount();

// Has the window lay out and paint everything again, at once.
void RequestRefresh(HWND window);

// Starts reading the background's picture on a thread of its own, while
// the windows are made (view/picture_read_ahead.h).
void StartReadingBackgroundAhead();

LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
