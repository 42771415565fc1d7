#include "view/paint.h"

#include <string.h>

#include "view/fonts.h"
#include "view/layout_win.h"
#include "view/paint_metrics.h"

// Header formats that need Japanese glyphs, and their English stand-ins.
static constexpr uint16_t kJapaneseHeader = 0;
static constexpr uint16_t kLetterHeader = 1;

// A font with the ANSI character set has no Japanese glyphs: switch the
// formats that need them to their English forms (the English month name has
// no clock form). The record keeps the change, so it is also saved.
static void FixFormatsForAnsiFont(DesignRecord* design)
{
    if (design->font.lfCharSet != ANSI_CHARSET) {
        return;
    }
    if (design->weekdayFormat == kJapaneseHeader) {
        design->weekdayFormat = kLetterHeader;
    }
    if (design->titleFormat == kTitleJapanese) {
        design->titleFormat = kTitleMonthName;
        design->clockFlag = 0;
    }
}

void PaintCalendar(HDC surface, HWND window, DesignRecord* design, int todayFlag,
                   const char* settingsFile, DateTime now, CalendarLayout* layout)
{
    const Rect& client = layout->clientRect;
    PatBlt(surface, client.left, client.top, client.right - client.left,
           client.bottom - client.top, PATCOPY);
    ComputeLayout(layout, now.year, now.month);
    FixFormatsForAnsiFont(design);
    DrawPartitionLines(surface, *layout, *design, settingsFile);
    DrawTitle(surface, *layout, now, *design);
    DrawWeekdayRow(surface, *layout, *design);
    DrawDayCells(surface, todayFlag, *layout, now, *design, settingsFile);
    if (window != nullptr) {
        // The paint handler copies from the picture; erasing would only flicker.
        InvalidateRect(window, nullptr, FALSE);
    }
}

void DrawTitle(HDC surface, const CalendarLayout& layout, DateTime now, const DesignRecord& design)
{
    HFONT font = CreateCalendarFont(CalendarTextHeight(layout, design), design);
    HGDIOBJ oldFont = SelectObject(surface, font);
    const int oldMode = SetBkMode(surface, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(surface, design.titleColor);

    char title[kTitleSize];
    FormatTitle(design.titleFormat, design.clockFlag, now, title, sizeof title);
    const int length = static_cast<int>(strlen(title));
    SIZE extent = {};
    GetTextExtentPoint32A(surface, title, length, &extent);
    const Rect& area = layout.titleRect;
    TextOutA(surface, (area.left + area.right - extent.cx) / 2,
             (area.top + area.bottom - extent.cy) / 2, title, length);

    SetTextColor(surface, oldColor);
    SetBkMode(surface, oldMode);
    SelectObject(surface, oldFont);
    DeleteObject(font);
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

void DrawWeekdayRow(HDC surface, const CalendarLayout& layout, const DesignRecord& design)
{
    HFONT font = CreateCalendarFont(WeekdayTextHeight(layout, design), design);
    HGDIOBJ oldFont = SelectObject(surface, font);
    const int oldMode = SetBkMode(surface, TRANSPARENT);
    const COLORREF oldColor = GetTextColor(surface);

    const int cellWidth = CellWidth(layout);
    const int rowHeight = RowHeight(layout);
    for (int column = 0; column < kWeekdays; ++column) {
        SetTextColor(surface, HeaderColor(column, design));
        DrawCellText(surface, WeekdayText(design.weekdayFormat, static_cast<uint16_t>(column)),
                     layout.weekdayRects[column], cellWidth, rowHeight, design.leftShift);
    }

    SetTextColor(surface, oldColor);
    SetBkMode(surface, oldMode);
    SelectObject(surface, oldFont);
    DeleteObject(font);
}
