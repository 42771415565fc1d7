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

// A calendar font kept from one frame to the next, with the description it
// was made from: a frame whose cell size and design ask for the same font
// uses it again instead of making it anew.
struct KeptFont {
    HFONT font;
    LOGFONTA made;
};

// The fonts of one painted surface. Zero-initialised means none yet; the
// owner releases them with ReleasePaintFonts.
struct PaintFonts {
    KeptFont text;   // title and day numbers
    KeptFont weekday;
};

// The kept font when it matches the height and design, else a new one that
// replaces (and deletes) it. Null only when the font cannot be made.
HFONT KeepCalendarFont(KeptFont* kept, int height, const DesignRecord& design);
void ReleasePaintFonts(PaintFonts* fonts);
