// The transparent background: a layered calendar window whose pixels of
// the background colour are not drawn, so the desktop shows through them
// and clicks there reach what lies below. A transparent calendar keeps its
// tray icon all the time (tray.h).
#pragma once
#include <windows.h>

// At the calendar's creation, once the background brush exists: clears the
// tray-always flag, and makes the window transparent when pelmo.ini says so.
void ApplyTransparencyIfSet(HWND window);

// Sets the tray-always flag and makes the window layered with the colour
// key from pelmo.ini. The extended style becomes exactly the layered style,
// so a transparent calendar takes no dropped files.
void MakeTransparent(HWND window);

// Brings window and tray into line with the transparency setting in
// pelmo.ini, after the settings sheet and after a design was applied;
// a hidden calendar is shown again.
void ApplyTransparencySetting(HWND window);
