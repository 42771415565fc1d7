// The brush the calendar's background is painted with.
#pragma once
#include <windows.h>

#include "settings/design_record.h"

// The solid colour of a background whose picture cannot be used.
constexpr COLORREF kFallbackBackgroundColor = 0xFFFFE1;

// The brush a stored background describes; the caller owns it. Solid and
// hatched styles make their brush; any other style is a picture: orgFile is
// converted into convertedFile (the full path of pelmo.bmp) unless that
// holds its conversion already, else bitmap is loaded. A picture that names no file, is gone or cannot be
// converted gives the solid fallback colour, and *fellBack (when given)
// tells so. Never null unless the system is out of brushes.
HBRUSH CreateBackgroundBrush(const BackgroundRecord& background, const char* convertedFile,
                             bool* fellBack = nullptr);
