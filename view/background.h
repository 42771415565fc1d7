// The brush the calendar's background is painted with.
#pragma once
#include <windows.h>

// A solid or hatched brush from the BGBRUSH section of the settings file;
// the caller owns it. Pictures fall back to the solid colour until they are
// supported.
HBRUSH CreateBackgroundBrush(const char* settingsFile);
