// The day cells: memo and today highlights under the day numbers. Every
// number is the date the layout holds for its cell, the same date the memo
// marks and the tooltips use.
#include "view/day_cells.h"

#include <stdio.h>

#include "core/holidays.h"
#include "view/paint_metrics.h"

// The mark value that switches a memo highlight on; anything else leaves it off.
static constexpr int32_t kMarkedValue = 1;

// Highlights leave the cell's top and left pixel rows alone, where the
// partition lines run.
static constexpr int kHighlightInset = 1;

// Room for any int in decimal.
static constexpr size_t kDayNumberSize = 16;

static void FillCells(HDC surface, const CalendarLayout& layout, COLORREF color,
                      const bool (&cells)[kGridCells])
{
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ oldBrush = SelectObject(surface, brush);
    const int cellWidth = CellWidth(layout);
    const int rowHeight = RowHeight(layout);
    for (int cell = 0; cell < kGridCells; ++cell) {
        if (cells[cell]) {
            const Rect& r = layout.cellRects[cell];
            PatBlt(surface, r.left + kHighlightInset, r.top + kHighlightInset, cellWidth - kHighlightInset,
                   rowHeight - kHighlightInset, PATCOPY);
        }
    }
    SelectObject(surface, oldBrush);
    DeleteObject(brush);
}

static bool InShownMonth(const GridDate& date, const PaintInput& input)
{
    return date.year == input.shownYear && date.month == input.shownMonth;
}

static int TodayCell(const PaintInput& input)
{
    for (int cell = 0; cell < kGridCells; ++cell) {
        const GridDate& date = input.layout.dates.cells[cell];
        if (InShownMonth(date, input) && date.year == input.now.year && date.month == input.now.month &&
            date.day == input.now.day) {
            return cell;
        }
    }
    return kNoCell;
}

// Memo highlights first; today's cell then takes the today colour, or the
// colour that says "today, with a memo".
static void DrawHighlights(HDC surface, const PaintInput& input)
{
    const CalendarLayout& layout = input.layout;
    bool marked[kGridCells] = {};
    bool any = false;
    for (int cell = 0; cell < kGridCells; ++cell) {
        marked[cell] = layout.marked[cell] == kMarkedValue;
        any = any || marked[cell];
    }
    if (any) {
        FillCells(surface, layout, input.cellColors.marked, marked);
    }
    const int today = TodayCell(input);
    if (today != kNoCell) {
        bool cells[kGridCells] = {};
        cells[today] = true;
        FillCells(surface, layout, marked[today] ? input.cellColors.markedToday : input.cellColors.today,
                  cells);
    }
}

static COLORREF DayColor(DayKind kind, const DesignRecord& design)
{
    switch (kind) {
    case DayKind::Holiday:
        return design.holidayColor;
    case DayKind::Sunday:
        return design.sundayColor;
    case DayKind::Saturday:
        return design.saturdayColor;
    case DayKind::Weekday:
        return design.weekdayColor;
    case DayKind::OtherMonth:
        break;
    }
    return design.otherMonthColor;
}

void DrawDayCells(HDC surface, const PaintInput& input, HFONT font)
{
    const COLORREF oldColor = GetTextColor(surface);
    HGDIOBJ oldFont = SelectObject(surface, font);
    const int oldMode = SetBkMode(surface, TRANSPARENT);

    DrawHighlights(surface, input);
    const CalendarLayout& layout = input.layout;
    const int cellWidth = CellWidth(layout);
    const int rowHeight = RowHeight(layout);
    for (int cell = 0; cell < kGridCells; ++cell) {
        const GridDate& date = layout.dates.cells[cell];
        const DayKind kind = InShownMonth(date, input)
                                 ? ClassifyDay(date.year, date.month, date.day,
                                               static_cast<uint16_t>(cell % kDaysPerWeek), true,
                                               input.holidays)
                                 : DayKind::OtherMonth;
        SetTextColor(surface, DayColor(kind, input.design));
        char text[kDayNumberSize];
        snprintf(text, sizeof text, "%d", date.day);
        DrawCellText(surface, text, layout.cellRects[cell], cellWidth, rowHeight, input.design.leftShift);
    }

    SetTextColor(surface, oldColor);
    SetBkMode(surface, oldMode);
    SelectObject(surface, oldFont);
}
