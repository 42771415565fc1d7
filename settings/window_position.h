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

// The rectangle to place the window at: the stored one while its top-left
// corner lies on one of the monitors (and at least a margin away from that
// monitor's right and bottom edges) and its size lies between the smallest
// usable window and the primary screen, otherwise the fallback rectangle at
// the default corner. A window that only reaches past an edge is kept.
RECT ChooseWindowRect(RECT stored, const ScreenLayout& screens);

// Places the window from the rectangle stored in file and shows it.
void LoadWindowPosition(const char* file, HWND window);
// Puts the window's outer rectangle into an edit; the caller restores a
// maximised or minimised window first so that the normal rectangle is kept.
bool SaveWindowPosition(SettingsEdit* edit, HWND window);
