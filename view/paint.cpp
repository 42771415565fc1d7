#include "view/paint.h"

#include <string.h>

#include "view/day_cells.h"
#include "view/layout_win.h"
#include "view/paint_metrics.h"

static void FillBackground(HDC surface, const PaintInput& input)
{
    const Rect& client = input.layout.clientRect;
    HGDIOBJ oldBrush = input.background ? SelectObject(surface, input.background) : nullptr;
    PatBlt(surface, client.left, client.top, client.right - client.left, client.bottom - client.top, PATCOPY);
    if (oldBrush) {
        SelectObject(surface, oldBrush);
    }
}

static void DrawTitle(HDC surface, const PaintInput& input, HFONT font)
{
    HGDIOBJ oldFont = SelectObject(surface, font);
    const int oldMode = SetBkMode(surface, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(surface, input.design.titleColor);

    DateTime shown = input.now;
    shown.year = input.shownYear;
    shown.month = input.shownMonth;
    char title[kTitleSize];
    FormatTitle(input.design.titleFormat, input.design.clockFlag, shown, title, sizeof title);
    const int length = static_cast<int>(strlen(title));
    SIZE extent = {};
    GetTextExtentPoint32A(surface, title, length, &extent);
    const Rect& area = input.layout.titleRect;
    TextOutA(surface, (area.left + area.right - extent.cx) / 2, (area.top + area.bottom - extent.cy) / 2,
             title, length);

    SetTextColor(surface, oldColor);
    SetBkMode(surface, oldMode);
    SelectObject(surface, oldFont);
}

static COLORREF HeaderColor(int column, const DesignRecord& design)
{
    if (column == kSunday) {
        return design.sundayColor;
    }
    if (column == kSaturday) {
        return design.saturdayColor;
    }
    return design.weekdayColor;
}

static void DrawWeekdayRow(HDC surface, const PaintInput& input, HFONT font)
{
    HGDIOBJ oldFont = SelectObject(surface, font);
    const int oldMode = SetBkMode(surface, TRANSPARENT);
    const COLORREF oldColor = GetTextColor(surface);

    const CalendarLayout& layout = input.layout;
    const int cellWidth = CellWidth(layout);
    const int rowHeight = RowHeight(layout);
    for (int column = 0; column < kWeekdays; ++column) {
        SetTextColor(surface, HeaderColor(column, input.design));
        DrawCellText(surface, WeekdayText(input.design.weekdayFormat, static_cast<uint16_t>(column)),
                     layout.weekdayRects[column], cellWidth, rowHeight, input.design.leftShift);
    }

    SetTextColor(surface, oldColor);
    SetBkMode(surface, oldMode);
    SelectObject(surface, oldFont);
}

void PaintCalendar(HDC surface, const PaintInput& input, PaintFonts* fonts)
{
    FillBackground(surface, input);
    if (!input.transparent) {
        DrawPartitionLines(surface, input.layout, input.design.partition);
    }
    HFONT text = KeepCalendarFont(&fonts->text, CalendarTextHeight(input.layout, input.design), input.design);
    HFONT weekday = KeepCalendarFont(&fonts->weekday, WeekdayTextHeight(input.layout, input.design),
                                     input.design);
    DrawTitle(surface, input, text);
    DrawWeekdayRow(surface, input, weekday);
    DrawDayCells(surface, input, text);
}
