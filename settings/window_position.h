// The calendar window's outer rectangle in section POSITION of pelmo.ini.
#pragma once
#include <windows.h>

#include "settings/settings_edit.h"

constexpr int kMaxScreens = 16;

// The monitors that exist now, in screen coordinates, and the size of the
// primary one: the picture the calendar is painted into has that size.
struct ScreenLayout {
    RECT monitors[kMaxScreens];
    int count;
    int primaryWidth;
    int primaryHeight;
};

// The monitors attached to the desktop now (the primary screen alone when
// they cannot be listed; those past kMaxScreens are not counted).
ScreenLayout CurrentScreens();

// The sizes a calendar window may have: from the smallest that still shows
// readable numbers (cells of at least 16 by 16 pixels) to the primary
// screen, the size of the picture the calendar is painted into. The same
// limits hold while the window is resized and when it is placed at start.
struct WindowSizeLimits {
    SIZE least;
    SIZE most;
};
WindowSizeLimits WindowSizeLimitsFor(int primaryWidth, int primaryHeight);

// The rectangle to place the window at: the stored one while its top-left
// corner lies on one of the monitors (and at least a margin away from that
// monitor's right and bottom edges), with a width and a height outside the
// size limits brought to the nearest limit; the fallback rectangle at the
// default corner when the corner lies on no monitor. A window that only
// reaches past an edge is kept.
RECT ChooseWindowRect(RECT stored, const ScreenLayout& screens);

// Places the window from the rectangle stored in file and shows it.
void LoadWindowPosition(const char* file, HWND window);
// Puts the window's outer rectangle into an edit; the caller restores a
// maximised or minimised window first so that the normal rectangle is kept.
bool SaveWindowPosition(SettingsEdit* edit, HWND window);
