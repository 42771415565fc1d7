// One month as the calendar shows it, for the calendar and for the design
// list's preview alike: laid out in its rectangle, the dates that carry a
// memo marked, the design's formats fitted to its font, and painted.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "core/holiday_table.h"
#include "settings/design_record.h"
#include "view/layout.h"
#include "view/paint.h"

struct MonthView {
    Rect rect;       // where on the surface
    uint16_t year;   // the month shown
    uint16_t month;
    DateTime now;        // today, and the clock's time
    HBRUSH background;   // null: the brush selected into the surface
    CellColors cellColors;
    bool transparent;
    const HolidayTable* holidays;   // null: the built-in rules
};

// design is fitted in place (a format its font cannot show is changed, as
// AdjustFormatsForFont says), and layout is the month's afterwards, for
// hit tests; fonts are kept for the next frame.
void PaintMonth(HDC surface, const MonthView& view, DesignRecord* design, CalendarLayout* layout,
                PaintFonts* fonts);
