#include "core/dates.h"

#include <cstdio>

namespace {

const uint16_t kDaysInFebruaryLeap = 29;
const uint16_t kMonthLengths[kMonthsPerYear] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Day counting runs over 400-year eras starting on March 1 of year 0, so the
// leap day is the last day of each counted year and the month lengths follow
// the linear form (153 * m + 2) / 5 for months counted from March.
const int32_t kLeapInterval = 4;
const int32_t kYearsPerCentury = 100;
const int32_t kYearsPerEra = 400;
const int32_t kDaysPerEra = 146097;
const int32_t kDaysPerYear = 365;
const int32_t kMarchBasedShift = 3;
const int32_t kMonthSpanNumerator = 153;
const int32_t kMonthSpanRounding = 2;
const int32_t kMonthSpanDenominator = 5;
// 0000-03-01 (proleptic Gregorian) was a Wednesday.
const int32_t kWeekdayOfDayZero = kWednesday;

bool IsLeapYear(uint16_t year)
{
    return year % kLeapInterval == 0 && (year % kYearsPerCentury != 0 || year % kYearsPerEra == 0);
}

// Days from 0000-03-01 to the date; negative for January and February of
// year 0. Closed form, so the cost does not depend on the year.
int32_t DaysFromCivil(int32_t year, int32_t month, int32_t day)
{
    if (month < kMarch) {
        year -= 1;
    }
    const int32_t era = (year >= 0 ? year : year - (kYearsPerEra - 1)) / kYearsPerEra;
    const int32_t yearOfEra = year - era * kYearsPerEra;
    const int32_t marchMonth = month >= kMarch ? month - kMarchBasedShift
                                               : month + kMonthsPerYear - kMarchBasedShift;
    const int32_t dayOfYear = (kMonthSpanNumerator * marchMonth + kMonthSpanRounding) /
                                  kMonthSpanDenominator +
                              day - 1;
    const int32_t dayOfEra = yearOfEra * kDaysPerYear + yearOfEra / kLeapInterval -
                             yearOfEra / kYearsPerCentury + dayOfYear;
    return era * kDaysPerEra + dayOfEra;
}

uint16_t WeekdayOfDayCount(int32_t days)
{
    int32_t weekday = (days + kWeekdayOfDayZero) % kDaysPerWeek;
    if (weekday < 0) {
        weekday += kDaysPerWeek;
    }
    return static_cast<uint16_t>(weekday);
}

const char* const kMonthNumbers[kMonthsPerYear] = {"1", "2", "3", "4",  "5",  "6",
                                                   "7", "8", "9", "10", "11", "12"};
const char* const kMonthNames[kMonthsPerYear] = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
const char* const kMonthAbbrevs[kMonthsPerYear] = {"Jan.", "Feb.", "Mar.", "Apr.", "May",  "Jun.",
                                                   "Jul.", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."};

const int kHeaderFormats = 6;
// One format to a line.
// clang-format off
const char* const kWeekdayTexts[kHeaderFormats][kDaysPerWeek] = {
    {"日", "月", "火", "水", "木", "金", "土"},
    {"S", "M", "T", "W", "T", "F", "S"},
    {"SU", "MO", "TU", "WE", "TH", "FR", "SA"},
    {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"},
    {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"},
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
};
// clang-format on

bool FitsIn(int written, size_t size)
{
    return written >= 0 && static_cast<size_t>(written) < size;
}

GridDate CellDate(uint16_t year, uint16_t month, int index, uint16_t day)
{
    GridDate date = {};
    date.year = year;
    date.month = month;
    date.weekday = static_cast<uint16_t>(index % kDaysPerWeek);
    date.day = day;
    return date;
}

}   // namespace

uint16_t DaysInMonth(uint16_t year, uint16_t month)
{
    if (month < kJanuary || month > kDecember) {
        return 0;
    }
    if (month == kFebruary && IsLeapYear(year)) {
        return kDaysInFebruaryLeap;
    }
    return kMonthLengths[month - 1];
}

uint16_t FirstWeekdayOfMonth(uint16_t year, uint16_t month)
{
    if (month < kJanuary || month > kDecember) {
        return kSunday;
    }
    return WeekdayOfDayCount(DaysFromCivil(year, month, 1));
}

uint16_t WeekdayOfDate(uint16_t year, uint16_t month, uint16_t day)
{
    const int32_t weekday = FirstWeekdayOfMonth(year, month) + day - 1;
    return static_cast<uint16_t>((weekday + kDaysPerWeek) % kDaysPerWeek);
}

GridDate MakeGridDate(uint16_t year, uint16_t month, uint16_t day)
{
    GridDate date = {};
    date.year = year;
    date.month = month;
    date.weekday = WeekdayOfDate(year, month, day);
    date.day = day;
    return date;
}

bool FillMonthGrid(uint16_t year, uint16_t month, MonthGrid* grid)
{
    if (grid == nullptr || month < kJanuary || month > kDecember || year < kMinYear || year > kMaxYear) {
        return false;
    }
    const int first = FirstWeekdayOfMonth(year, month);
    const int length = DaysInMonth(year, month);
    const uint16_t prevYear = month == kJanuary ? year - 1 : year;
    const uint16_t prevMonth = month == kJanuary ? kDecember : month - 1;
    const uint16_t nextYear = month == kDecember ? year + 1 : year;
    const uint16_t nextMonth = month == kDecember ? kJanuary : month + 1;
    const int prevLength = DaysInMonth(prevYear, prevMonth);

    for (int i = 0; i < first; ++i) {
        grid->cells[i] = CellDate(prevYear, prevMonth, i, static_cast<uint16_t>(prevLength - first + 1 + i));
    }
    for (int i = first; i < first + length; ++i) {
        grid->cells[i] = CellDate(year, month, i, static_cast<uint16_t>(i - first + 1));
    }
    for (int i = first + length; i < kGridCells; ++i) {
        grid->cells[i] = CellDate(nextYear, nextMonth, i, static_cast<uint16_t>(i - first - length + 1));
    }
    return true;
}

const char* MonthText(int titleFormat, uint16_t month)
{
    if (month < kJanuary || month > kDecember) {
        return "";
    }
    switch (titleFormat) {
    case kTitleMonthName:
        return kMonthNames[month - 1];
    case kTitleMonthAbbrev:
        return kMonthAbbrevs[month - 1];
    default:
        return kMonthNumbers[month - 1];
    }
}

const char* WeekdayText(int headerFormat, uint16_t weekday)
{
    if (weekday >= kDaysPerWeek) {
        return "";
    }
    const int format = headerFormat >= 0 && headerFormat < kHeaderFormats ? headerFormat : 0;
    return kWeekdayTexts[format][weekday];
}

bool FormatDateLine(GridDate date, char* out, size_t size)
{
    if (out == nullptr || size == 0) {
        return false;
    }
    const char* weekday = "";
    if (date.weekday < kDaysPerWeek) {
        weekday = kWeekdayTexts[0][date.weekday];
    }
    // A weekday outside 0 to 6 leaves the parentheses out as well.
    const char* open = *weekday ? "(" : "";
    const char* close = *weekday ? ")" : "";
    const int written = snprintf(out, size, "%4.4d年%2.2d月%2.2d日%s%s%s", date.year, date.month, date.day,
                                 open, weekday, close);
    return FitsIn(written, size);
}

bool FormatTitle(int titleFormat, int clockFlag, DateTime now, char* out, size_t size)
{
    if (out == nullptr || size == 0) {
        return false;
    }
    const bool clock = clockFlag == kClockShown;
    const char* month = MonthText(titleFormat, now.month);
    int written = 0;
    switch (titleFormat) {
    case kTitleJapanese:
        written = clock
                      ? snprintf(out, size, "%4.4d年 %s月 %2.2d:%2.2d", now.year, month, now.hour, now.minute)
                      : snprintf(out, size, "%4.4d 年 %s 月", now.year, month);
        break;
    case kTitleMonthName:
        written = snprintf(out, size, "%s  %d", month, now.year);
        break;
    case kTitleMonthAbbrev:
        written = clock ? snprintf(out, size, "%s %d  %2.2d:%2.2d", month, now.year, now.hour, now.minute)
                        : snprintf(out, size, "%s %d", month, now.year);
        break;
    case kTitleNumeric:
        written = clock ? snprintf(out, size, "%4.4d / %2.2d  %2.2d:%2.2d", now.year, now.month, now.hour,
                                   now.minute)
                        : snprintf(out, size, "%4.4d / %2.2d", now.year, now.month);
        break;
    default:
        written = clock ? snprintf(out, size, "%4.4d 年 %s 月  %2.2d:%2.2d", now.year, month, now.hour,
                                   now.minute)
                        : snprintf(out, size, "%4.4d 年 %s 月", now.year, month);
        break;
    }
    return FitsIn(written, size);
}

const char* DayKindName(DayKind kind)
{
    switch (kind) {
    case DayKind::OtherMonth:
        return "OtherMonth";
    case DayKind::Holiday:
        return "Holiday";
    case DayKind::Sunday:
        return "Sunday";
    case DayKind::Saturday:
        return "Saturday";
    case DayKind::Weekday:
        return "Weekday";
    }
    return "";
}
