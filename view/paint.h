// Painting the whole calendar into the off-screen picture. The window's paint
// handler only copies that picture, so everything the user sees of the
// calendar is drawn here, from what the caller hands over: painting reads no
// file, so the design list can paint a design that is not the one in force.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "settings/design_record.h"
#include "view/fonts.h"
#include "view/layout.h"

// Everything one frame shows.
struct PaintInput {
    DesignRecord design;        // formats already fitted to the font (AdjustFormatsForFont)
    HBRUSH background;          // null: the brush selected into the surface
    CellColors cellColors;
    bool transparent;           // a transparent calendar has no partition lines
    DateTime now;               // today's date, and the hour and minute of the clock
    uint16_t shownYear;
    uint16_t shownMonth;
    // Rectangles from clientRect, the dates of the shown month's 42 cells
    // and which of them carry a memo.
    CalendarLayout layout;
};

// The whole repaint of layout.clientRect: background, partition lines,
// title, weekday row and day cells. fonts keeps the fonts of the frame for
// the next one while their description stays the same.
void PaintCalendar(HDC surface, const PaintInput& input, PaintFonts* fonts);

// The title, centred in titleRect without the left shift, in font.
void DrawTitle(HDC surface, const PaintInput& input, HFONT font);

// The seven weekday names; the holiday colour is never used here.
void DrawWeekdayRow(HDC surface, const PaintInput& input, HFONT font);

// Memo and today highlights, then the day numbers of the layout's dates in
// the colours of their kind. Today is the cell of the shown month whose date
// is input.now's.
void DrawDayCells(HDC surface, const PaintInput& input, HFONT font);
