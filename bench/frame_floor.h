// The least a frame of a calendar can cost on this system: a bare window
// that fills a screen-sized back buffer, draws 49 short texts (a title,
// seven weekday names and 42 day numbers would be 50) and copies the
// picture to the screen, in glyphs as large as the calendar's at that size.
// The calendar's own refresh is measured against it.
#pragma once
#include <windows.h>

// A visible bare window with the given client size; null on failure.
HWND CreateFloorWindow(int width, int height);
void DestroyFloorWindow(HWND window);

// One frame: drawn into the back buffer and copied to the window.
void PaintFloorFrame(HWND window);
