// What one frame of the calendar shows, handed whole to the painter.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "core/holiday_table.h"
#include "settings/design_record.h"
#include "view/layout.h"

// Everything one frame shows.
struct PaintInput {
    DesignRecord design;   // formats already fitted to the font (AdjustFormatsForFont)
    HBRUSH background;     // null: the brush selected into the surface
    CellColors cellColors;
    bool transparent;   // a transparent calendar has no partition lines
    DateTime now;       // today's date, and the hour and minute of the clock
    uint16_t shownYear;
    uint16_t shownMonth;
    // Rectangles from clientRect, the dates of the shown month's 42 cells
    // and which of them carry a memo.
    CalendarLayout layout;
    // The holidays of the file beside the program, owned by whoever shows
    // the calendar; null or an empty table: the built-in rules alone.
    const HolidayTable* holidays;
};
