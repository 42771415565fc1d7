// The day cells: memo and today highlights under the day numbers.
#include "view/paint.h"

#include <stdio.h>

#include "core/holidays.h"
#include "settings/settings_defaults.h"
#include "settings/settings_file.h"
#include "view/fonts.h"
#include "view/paint_metrics.h"

static const char kMarkedSection[] = "MARKED";
static const char kTodaySection[] = "TODAY";
static const char kColorKey[] = "COLOR";
static const char kTodayColorKey[] = "TODAYCOLOR";

// The flag values that switch a highlight on; anything else leaves it off.
static constexpr int32_t kMarkedValue = 1;
static constexpr int kTodayShown = 1;

// Highlights leave the cell's top and left pixel rows alone, where the
// partition lines run.
static constexpr int kHighlightInset = 1;

// Shown when the month before the shown one is December.
static constexpr int kDaysInDecember = 31;

// Room for any int in decimal.
static constexpr size_t kDayNumberSize = 16;

static COLORREF ReadColor(const char* file, const char* section, const char* key,
                          COLORREF defaultColor)
{
    return static_cast<COLORREF>(
        ReadSettingInt(file, section, key, static_cast<int32_t>(defaultColor)));
}

static void FillCell(HDC surface, const Rect& cell, int cellWidth, int rowHeight)
{
    PatBlt(surface, cell.left + kHighlightInset, cell.top + kHighlightInset,
           cellWidth - kHighlightInset, rowHeight - kHighlightInset, PATCOPY);
}

static void DrawMemoHighlights(HDC surface, const CalendarLayout& layout, const char* settingsFile)
{
    HBRUSH brush = CreateSolidBrush(
        ReadColor(settingsFile, kMarkedSection, kColorKey, kDefaultMarkedColor));
    HGDIOBJ oldBrush = SelectObject(surface, brush);
    const int cellWidth = CellWidth(layout);
    const int rowHeight = RowHeight(layout);
    for (int cell = 0; cell < kGridCells; ++cell) {
        if (layout.marked[cell] == kMarkedValue) {
            FillCell(surface, layout.cellRects[cell], cellWidth, rowHeight);
        }
    }
    SelectObject(surface, oldBrush);
    DeleteObject(brush);
}

// Covers the memo highlight of today's cell with the today colour, or with
// the colour that says "today, with a memo".
static void DrawTodayHighlight(HDC surface, const CalendarLayout& layout, int todayCell,
                               const char* settingsFile)
{
    const COLORREF color =
        layout.marked[todayCell] == 0
            ? ReadColor(settingsFile, kTodaySection, kColorKey, kDefaultTodayColor)
            : ReadColor(settingsFile, kMarkedSection, kTodayColorKey, kDefaultMarkedTodayColor);
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ oldBrush = SelectObject(surface, brush);
    FillCell(surface, layout.cellRects[todayCell], CellWidth(layout), RowHeight(layout));
    SelectObject(surface, oldBrush);
    DeleteObject(brush);
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

static void DrawDayNumber(HDC surface, const CalendarLayout& layout, int cell, int day,
                          int leftShift)
{
    char text[kDayNumberSize];
    snprintf(text, sizeof text, "%d", day);
    DrawCellText(surface, text, layout.cellRects[cell], CellWidth(layout), RowHeight(layout),
                 leftShift);
}

void DrawDayCells(HDC surface, int todayFlag, const CalendarLayout& layout, DateTime now,
                  const DesignRecord& design, const char* settingsFile)
{
    const COLORREF oldColor = GetTextColor(surface);
    HFONT font = CreateCalendarFont(CalendarTextHeight(layout, design), design);
    HGDIOBJ oldFont = SelectObject(surface, font);
    const int oldMode = SetBkMode(surface, TRANSPARENT);

    const uint16_t year = now.year;
    const uint16_t month = now.month;
    const int first = FirstWeekdayOfMonth(year, month);
    const int days = DaysInMonth(month, year);
    const int previousDays =
        month >= kFebruary ? DaysInMonth(static_cast<uint16_t>(month - 1), year) : kDaysInDecember;

    DrawMemoHighlights(surface, layout, settingsFile);
    // A day outside the shown month has no cell of its own; highlighting
    // the cell its number would point at marks the wrong date, or one
    // outside the grid.
    if (todayFlag == kTodayShown && now.day >= 1 && now.day <= days) {
        DrawTodayHighlight(surface, layout, first + now.day - 1, settingsFile);
    }

    for (int cell = first; cell < first + days; ++cell) {
        const int day = cell - first + 1;
        const DayKind kind = ClassifyDay(year, month, static_cast<uint16_t>(day),
                                         static_cast<uint16_t>(cell % kDaysPerWeek), true);
        SetTextColor(surface, DayColor(kind, design));
        DrawDayNumber(surface, layout, cell, day, design.leftShift);
    }
    SetTextColor(surface, design.otherMonthColor);
    for (int cell = 0; cell < first; ++cell) {
        DrawDayNumber(surface, layout, cell, previousDays - first + 1 + cell, design.leftShift);
    }
    for (int cell = first + days; cell < kGridCells; ++cell) {
        DrawDayNumber(surface, layout, cell, cell - first - days + 1, design.leftShift);
    }

    SetTextColor(surface, oldColor);
    SetBkMode(surface, oldMode);
    SelectObject(surface, oldFont);
    DeleteObject(font);
}
