// The fonts of the calendar and of the memo editor and tooltips. Each returns
// a font object that the caller owns and deletes when its drawing is done.
#pragma once
#include <windows.h>

#include "settings/design_record.h"

// Asks CreateCalendarFont for the design's standard size.
constexpr int kStandardFontHeight = -1;

// The design's face, weight, italic flag and character set at the given
// height; every other stored font member is ignored. kStandardFontHeight
// gives 20 for the ANSI character set and 18 otherwise; any other height,
// zero and negative ones included, is passed to the platform as it is.
HFONT CreateCalendarFont(int height, const DesignRecord& design);

// The fixed Japanese face of the memo editor and the memo tooltips.
HFONT CreateMemoFont(int height);
