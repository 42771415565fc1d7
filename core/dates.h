// Date arithmetic, the 42-cell month grid and the texts of title, header and
// date line. Pure functions, no platform headers: this builds natively and for
// Windows alike. Narrow literals are Shift-JIS (code page 932) at run time.
#pragma once

#include <cstddef>
#include <cstdint>

// Same field order and widths as the Win32 SYSTEMTIME, so the platform's local
// time can be used directly.
struct DateTime {
    uint16_t year, month, weekday, day, hour, minute, second, milliseconds;
};

// One calendar cell: year, month, weekday and day set, time fields zero.
typedef DateTime GridDate;

enum Weekday : uint16_t { kSunday = 0, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday };

enum Month : uint16_t {
    kJanuary = 1,
    kFebruary,
    kMarch,
    kApril,
    kMay,
    kJune,
    kJuly,
    kAugust,
    kSeptember,
    kOctober,
    kNovember,
    kDecember
};

const int kDaysPerWeek = 7;
const int kMonthsPerYear = 12;
const int kGridRows = 6;
const int kGridColumns = kDaysPerWeek;
const int kGridCells = kGridRows * kGridColumns;

// The years month navigation can reach; the grid of January 1 and of December
// 9999 also shows a few days of year 0 and of year 10000.
const uint16_t kMinYear = 1;
const uint16_t kMaxYear = 9999;

// The longest date line is 19 bytes (a January 10000 cell), the longest
// title 20.
const size_t kDateLineSize = 32;
const size_t kTitleSize = 32;

// Row-major, six weeks, column 0 Sunday.
struct MonthGrid {
    GridDate cells[kGridCells];
};

// Chooses a cell's text colour.
enum class DayKind { OtherMonth, Holiday, Sunday, Saturday, Weekday };

// Title formats offered to the user; any other value behaves like the
// Japanese one with a blank-separated clock.
const int kTitleJapanese = 0;
const int kTitleMonthName = 1;
const int kTitleMonthAbbrev = 2;
const int kTitleNumeric = 3;

// Only this clock flag value selects the title with time.
const int kClockShown = 1;

// 28 to 31, or 0 for a month outside 1 to 12 (proleptic Gregorian leap rule).
uint16_t DaysInMonth(uint16_t year, uint16_t month);

// Weekday 0 to 6 of the 1st; constant time for any year 0 to 65535.
// A month outside 1 to 12 gives 0.
uint16_t FirstWeekdayOfMonth(uint16_t year, uint16_t month);

// Weekday 0 to 6 of the date; day 0 is the last day of the previous month.
uint16_t WeekdayOfDate(uint16_t year, uint16_t month, uint16_t day);

// A date with its exact weekday and zero time fields.
GridDate MakeGridDate(uint16_t year, uint16_t month, uint16_t day);

// Fills all 42 cells; false (grid untouched) for a month outside 1 to 12, a
// year outside kMinYear to kMaxYear or no grid.
bool FillMonthGrid(uint16_t year, uint16_t month, MonthGrid* grid);

// Table look-ups; an empty text for a month outside 1 to 12 or a weekday
// outside 0 to 6. Unknown formats fall back to the Japanese texts.
const char* MonthText(int titleFormat, uint16_t month);
const char* WeekdayText(int headerFormat, uint16_t weekday);

// "2012年06月04日(月)". False when out is missing or too small (the text is
// then cut short but still terminated).
bool FormatDateLine(GridDate date, char* out, size_t size);

// The title line from year, month, hour and minute of now.
bool FormatTitle(int titleFormat, int clockFlag, DateTime now, char* out, size_t size);

// "Holiday", "Sunday", ... for logs and tools.
const char* DayKindName(DayKind kind);
