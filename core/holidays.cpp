#include "core/holidays.h"

#include <cstdio>

namespace {

const uint16_t kAllYearsFirst = 0;
const uint16_t kAllYearsLast = UINT16_MAX;
const int kLeapInterval = 4;

// The equinox and solstice tables name the first and last year of a run of
// years sharing the same remainder modulo 4, one remainder to a line.
struct TabulatedDay {
    uint16_t firstYear, lastYear, day;
};

// clang-format off
const TabulatedDay kVernalEquinox[] = {
    {1900, 1956, 21}, {1960, 2088, 20}, {2092, 2096, 19},
    {1901, 1989, 21}, {1993, 2097, 20},
    {1902, 2022, 21}, {2026, 2098, 20},
    {1903, 1923, 22}, {1927, 2055, 21}, {2059, 2099, 20},
};

const TabulatedDay kAutumnalEquinox[] = {
    {1900, 2008, 23}, {2012, 2096, 22},
    {1901, 1917, 24}, {1921, 2041, 23}, {2045, 2097, 22},
    {1902, 1946, 24}, {1950, 2074, 23}, {2078, 2098, 22},
    {1903, 1979, 24}, {1983, 2099, 23},
};

const TabulatedDay kSummerSolstice[] = {
    {1900, 1932, 22}, {1936, 2052, 21}, {2056, 2096, 20},
    {1901, 1961, 22}, {1965, 2081, 21}, {2085, 2097, 20},
    {1902, 1990, 22}, {1994, 2098, 21},
    {1903, 1903, 23}, {1907, 2019, 22}, {2023, 2099, 21},
};

const TabulatedDay kWinterSolstice[] = {
    {1900, 1988, 22}, {1992, 2096, 21},
    {1901, 2025, 22}, {2029, 2097, 21},
    {1902, 1918, 23}, {1922, 2058, 22}, {2062, 2098, 21},
    {1903, 1955, 23}, {1959, 2095, 22}, {2099, 2099, 21},
};
// clang-format on

template <size_t N>
bool IsTabulatedDay(const TabulatedDay (&table)[N], uint16_t year, uint16_t day)
{
    for (const TabulatedDay& row : table) {
        if (year >= row.firstYear && year <= row.lastYear && (year - row.firstYear) % kLeapInterval == 0) {
            return day == row.day;
        }
    }
    return false;
}

// Coloured as a holiday but without a name (December 23 before 1989).
const char kUnnamed[] = "";

struct FixedHoliday {
    uint16_t month, day, firstYear, lastYear;
    const char* name;
};

const FixedHoliday kFixedHolidays[] = {
    {kJanuary, 1, kAllYearsFirst, kAllYearsLast, "元日"},
    {kFebruary, 11, kAllYearsFirst, kAllYearsLast, "建国記念日"},
    {kFebruary, 23, 2020, kAllYearsLast, "天皇誕生日"},
    {kApril, 29, kAllYearsFirst, kAllYearsLast, "昭和の日"},
    {kApril, 30, 2019, 2019, "国民の休日"},
    {kMay, 1, 2019, 2019, "即位の日"},
    {kMay, 2, 2019, 2019, "国民の休日"},
    {kMay, 3, kAllYearsFirst, kAllYearsLast, "憲法記念日"},
    {kMay, 4, kAllYearsFirst, kAllYearsLast, "みどりの日"},
    {kMay, 5, kAllYearsFirst, kAllYearsLast, "子供の日"},
    // Moved around the Tokyo games of 2020 and 2021.
    {kJuly, 22, 2021, 2021, "海の日"},
    {kJuly, 23, 2020, 2020, "海の日"},
    {kJuly, 23, 2021, 2021, "スポーツの日"},
    {kJuly, 24, 2020, 2020, "スポーツの日"},
    {kAugust, 8, 2021, 2021, "山の日"},
    {kAugust, 10, 2020, 2020, "山の日"},
    {kAugust, 11, 2016, 2019, "山の日"},
    {kAugust, 11, 2022, kAllYearsLast, "山の日"},
    {kOctober, 22, 2019, 2019, "即位礼正殿の儀"},
    {kNovember, 3, kAllYearsFirst, kAllYearsLast, "文化の日"},
    {kNovember, 23, kAllYearsFirst, kAllYearsLast, "勤労感謝の日"},
    {kDecember, 23, kAllYearsFirst, 1988, kUnnamed},
    {kDecember, 23, 1989, 2018, "天皇誕生日"},
};

// The n-th Monday of a month, days 7n-6 to 7n.
struct MondayHoliday {
    uint16_t month, week, firstYear, lastYear;
    const char* name;
};

const MondayHoliday kMondayHolidays[] = {
    {kJanuary, 2, kAllYearsFirst, kAllYearsLast, "成人の日"},
    {kJuly, 3, kAllYearsFirst, 2019, "海の日"},
    {kJuly, 3, 2022, kAllYearsLast, "海の日"},
    {kSeptember, 3, kAllYearsFirst, kAllYearsLast, "敬老の日"},
    {kOctober, 2, kAllYearsFirst, 2019, "体育の日"},
    {kOctober, 2, 2022, kAllYearsLast, "スポーツの日"},
};

const char kVernalEquinoxName[] = "春分の日";
const char kAutumnalEquinoxName[] = "秋分の日";
const char kSubstituteName[] = "振替休日";
const char kCitizensName[] = "国民の休日";
const char kHiganStartName[] = "彼岸入り";
const char kHiganEndName[] = "彼岸明け";
const char kHiganStartSuffix[] = "  彼岸入り";
const char kWinterSolsticeName[] = "冬至";
const char kSummerSolsticeName[] = "夏至";
const char kFathersDaySuffix[] = "  父の日";
const char kBeaujolaisName[] = "ボジョレー・ヌーヴォー解禁";

const uint16_t kHiganOffset = 3;
// Below this day, day - 3 would not be in the month.
const uint16_t kHiganEndFirstDay = 10;
const uint16_t kHiganStartLastDay = 24;
const uint16_t kTransferredMayDay = 6;

struct FixedObservance {
    uint16_t month, day;
    const char* name;
};

const FixedObservance kFixedObservances[] = {
    {kFebruary, 14, "聖バレンタインデー"},
    {kDecember, 25, "クリスマス"},
    {kDecember, 31, "大晦日"},
    {kOctober, 31, "ハロウィン"},
    {kNovember, 15, "七五三"},
    {kJuly, 7, "七夕"},
    {kMarch, 3, "雛祭り"},
    {kMarch, 14, "ホワイトデー"},
    {kApril, 8, "花祭（灌仏会）"},
};

struct WeekdayObservance {
    uint16_t month, week, weekday;
    const char* name;
};

const WeekdayObservance kBeaujolaisDay = {kNovember, 3, kThursday, kBeaujolaisName};
const WeekdayObservance kFathersDay = {kJune, 3, kSunday, "父の日"};
const WeekdayObservance kMothersDay = {kMay, 2, kSunday, "母の日"};

bool IsInWeek(uint16_t day, uint16_t week)
{
    return day > (week - 1) * kDaysPerWeek && day <= week * kDaysPerWeek;
}

bool InYears(uint16_t year, uint16_t first, uint16_t last)
{
    return year >= first && year <= last;
}

// The holidays the law names in their own right, without substitutes and
// citizens' days: their name, kUnnamed, or null.
const char* FindProperHoliday(uint16_t year, uint16_t month, uint16_t day)
{
    for (const FixedHoliday& h : kFixedHolidays) {
        if (h.month == month && h.day == day && InYears(year, h.firstYear, h.lastYear)) {
            return h.name;
        }
    }
    if (IsVernalEquinoxDay(year, month, day)) {
        return kVernalEquinoxName;
    }
    if (IsAutumnalEquinoxDay(year, month, day)) {
        return kAutumnalEquinoxName;
    }
    for (const MondayHoliday& h : kMondayHolidays) {
        if (h.month == month && IsInWeek(day, h.week) && InYears(year, h.firstYear, h.lastYear) &&
            WeekdayOfDate(year, month, day) == kMonday) {
            return h.name;
        }
    }
    return nullptr;
}

// May 3 or 4 on a Sunday moves the holiday to May 6, the first free day.
bool IsTransferredMayHoliday(uint16_t year, uint16_t month, uint16_t day)
{
    if (month != kMay || day != kTransferredMayDay) {
        return false;
    }
    const uint16_t weekday = WeekdayOfDate(year, month, day);
    return weekday == kTuesday || weekday == kWednesday;
}

bool IsTuesdayBeforeAutumnalEquinox(uint16_t year, uint16_t month, uint16_t day)
{
    return WeekdayOfDate(year, month, day) == kTuesday &&
           IsAutumnalEquinoxDay(year, month, static_cast<uint16_t>(day + 1));
}

// A Monday other than the 1st, so its previous day is a Sunday of the month.
bool FollowsSundayInMonth(uint16_t year, uint16_t month, uint16_t day)
{
    return day > 1 && WeekdayOfDate(year, month, day) == kMonday;
}

bool IsWeekdayObservance(const WeekdayObservance& o, uint16_t month, uint16_t day, uint16_t weekday)
{
    return o.month == month && IsInWeek(day, o.week) && weekday == o.weekday;
}

bool CopyName(const char* name, const char* suffix, char* out, size_t size)
{
    if (out != nullptr && size > 0) {
        snprintf(out, size, "%s%s", name, suffix);
    }
    return true;
}

// The rules' name of a holiday, and whether the law names it in its own
// right (a substitute or citizens' holiday takes no observance); null for a
// day they do not name, December 23 before 1989 among them.
const char* RuleName(uint16_t year, uint16_t month, uint16_t day, bool* proper)
{
    const char* found = FindProperHoliday(year, month, day);
    *proper = found != nullptr;
    if (found != nullptr) {
        return found == kUnnamed ? nullptr : found;
    }
    if (FollowsSundayInMonth(year, month, day)) {
        const char* previous = FindProperHoliday(year, month, static_cast<uint16_t>(day - 1));
        if (previous != nullptr && previous != kUnnamed) {
            return kSubstituteName;
        }
    }
    if (IsTransferredMayHoliday(year, month, day)) {
        return kSubstituteName;
    }
    if (IsTuesdayBeforeAutumnalEquinox(year, month, day)) {
        return kCitizensName;
    }
    return nullptr;
}

// The file's equinox day of the month, where the table covers the year and
// lists one; 0 sends the caller to the rules' tables.
uint16_t FileEquinoxDayIfCovered(const HolidayTable* table, uint16_t year, uint16_t month)
{
    if ((month != kMarch && month != kSeptember) || !CoversYear(table, year)) {
        return 0;
    }
    return FileEquinoxDay(*table, year, month);
}

bool IsHiganEnd(uint16_t year, uint16_t month, uint16_t day, const HolidayTable* table)
{
    if (day < kHiganEndFirstDay) {
        return false;
    }
    const uint16_t threeBefore = static_cast<uint16_t>(day - kHiganOffset);
    const uint16_t fileEquinox = FileEquinoxDayIfCovered(table, year, month);
    if (fileEquinox != 0) {
        return threeBefore == fileEquinox;
    }
    return IsVernalEquinoxDay(year, month, threeBefore) || IsAutumnalEquinoxDay(year, month, threeBefore);
}

}   // namespace

bool IsVernalEquinoxDay(uint16_t year, uint16_t month, uint16_t day)
{
    return month == kMarch && IsTabulatedDay(kVernalEquinox, year, day);
}

bool IsAutumnalEquinoxDay(uint16_t year, uint16_t month, uint16_t day)
{
    return month == kSeptember && IsTabulatedDay(kAutumnalEquinox, year, day);
}

bool IsSummerSolsticeDay(uint16_t year, uint16_t month, uint16_t day)
{
    return month == kJune && IsTabulatedDay(kSummerSolstice, year, day);
}

bool IsWinterSolsticeDay(uint16_t year, uint16_t month, uint16_t day)
{
    return month == kDecember && IsTabulatedDay(kWinterSolstice, year, day);
}

bool IsHiganStart(uint16_t year, uint16_t month, uint16_t day, const HolidayTable* table)
{
    const uint16_t equinox = static_cast<uint16_t>(day + kHiganOffset);
    if (day > kHiganStartLastDay) {
        return false;
    }
    const uint16_t fileEquinox = FileEquinoxDayIfCovered(table, year, month);
    if (fileEquinox != 0) {
        return equinox == fileEquinox;
    }
    return IsVernalEquinoxDay(year, month, equinox) || IsAutumnalEquinoxDay(year, month, equinox);
}

bool IsHoliday(uint16_t year, uint16_t month, uint16_t day)
{
    return FindProperHoliday(year, month, day) != nullptr || IsTransferredMayHoliday(year, month, day) ||
           IsTuesdayBeforeAutumnalEquinox(year, month, day);
}

namespace {

// A Monday after a Sunday holiday of the same month. The substitute looks only
// within the month: no holiday falls on a month's last day, so none is lost.
bool IsSubstituteInMonth(uint16_t year, uint16_t month, uint16_t day)
{
    return FollowsSundayInMonth(year, month, day) && IsHoliday(year, month, static_cast<uint16_t>(day - 1));
}

}   // namespace

DayKind ClassifyDay(uint16_t year, uint16_t month, uint16_t day, uint16_t column, bool inShownMonth,
                    const HolidayTable* table)
{
    if (!inShownMonth) {
        return DayKind::OtherMonth;
    }
    if (CoversYear(table, year)) {
        // The file lists its own substitute and citizens' days.
        if (FindHolidayRow(*table, year, month, day) != nullptr) {
            return DayKind::Holiday;
        }
    } else if (IsHoliday(year, month, day) || IsSubstituteInMonth(year, month, day)) {
        return DayKind::Holiday;
    }
    if (column == kSunday) {
        return DayKind::Sunday;
    }
    if (column == kSaturday) {
        return DayKind::Saturday;
    }
    return DayKind::Weekday;
}

const char* RulesHolidayName(uint16_t year, uint16_t month, uint16_t day)
{
    bool proper = false;
    return RuleName(year, month, day, &proper);
}

bool GetHolidayName(GridDate date, char* name, size_t size, const HolidayTable* table)
{
    const uint16_t y = date.year, m = date.month, d = date.day;
    const char* found = nullptr;
    bool proper = false;
    if (CoversYear(table, y)) {
        const HolidayRow* row = FindHolidayRow(*table, y, m, d);
        if (row != nullptr) {
            found = HolidayRowName(*table, *row);
            proper = !row->substitute;
        }
    } else {
        found = RuleName(y, m, d, &proper);
    }
    if (found == nullptr) {
        return false;
    }
    // Of the rules' holidays only Respect for the Aged Day can fall on the
    // start of higan; a day of the file is joined to it alike, unless the
    // file calls it 休日.
    const char* suffix = proper && IsHiganStart(y, m, d, table) ? kHiganStartSuffix : "";
    return CopyName(found, suffix, name, size);
}

bool GetObservanceName(GridDate date, char* name, size_t size, const HolidayTable* table)
{
    if (name == nullptr || size == 0) {
        return false;
    }
    const uint16_t y = date.year, m = date.month, d = date.day, w = date.weekday;
    if (IsHiganStart(y, m, d, table)) {
        return CopyName(kHiganStartName, "", name, size);
    }
    if (IsHiganEnd(y, m, d, table)) {
        return CopyName(kHiganEndName, "", name, size);
    }
    if (IsWinterSolsticeDay(y, m, d)) {
        return CopyName(kWinterSolsticeName, "", name, size);
    }
    if (IsSummerSolsticeDay(y, m, d)) {
        const bool fathersDay = IsWeekdayObservance(kFathersDay, m, d, w);
        return CopyName(kSummerSolsticeName, fathersDay ? kFathersDaySuffix : "", name, size);
    }
    // Checked before the fixed days so that a Thursday November 15 is named
    // only for the wine.
    if (IsWeekdayObservance(kBeaujolaisDay, m, d, WeekdayOfDate(y, m, d))) {
        return CopyName(kBeaujolaisDay.name, "", name, size);
    }
    for (const FixedObservance& o : kFixedObservances) {
        if (o.month == m && o.day == d) {
            return CopyName(o.name, "", name, size);
        }
    }
    if (IsWeekdayObservance(kFathersDay, m, d, w)) {
        return CopyName(kFathersDay.name, "", name, size);
    }
    if (IsWeekdayObservance(kMothersDay, m, d, w)) {
        return CopyName(kMothersDay.name, "", name, size);
    }
    return false;
}

bool BuildDayLabel(const char* dateLine, GridDate date, char* out, size_t size, const HolidayTable* table)
{
    if (dateLine == nullptr || out == nullptr || size == 0) {
        return false;
    }
    char name[kHolidayNameSize] = "";
    if (!GetHolidayName(date, name, sizeof name, table) &&
        !GetObservanceName(date, name, sizeof name, table)) {
        return false;
    }
    const int written = snprintf(out, size, "%s\n  %s", dateLine, name);
    return written >= 0 && static_cast<size_t>(written) < size;
}
