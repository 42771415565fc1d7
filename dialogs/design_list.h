// The design list window with its live preview.
#pragma once
#include <windows.h>

HWND CreateDesignListWindow(HWND calendar);
