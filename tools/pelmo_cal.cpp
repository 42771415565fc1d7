// pelmo-cal: the calendar core on a terminal. Shows a month like cal(1), with
// holidays marked and the month's holidays and observances listed, or one
// tab-separated line per day over a range of years, after the rules or a
// holiday file. The core speaks Shift-JIS; everything is converted to UTF-8
// on the way out.
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "core/dates.h"
#include "core/holidays.h"
#include "tools/pelmo_cal_holidays.h"

namespace {

const int kStatusOk = 0;
const int kStatusFailure = 1;
const int kStatusUsage = 2;
const int kDecimal = 10;
const int kTmYearBase = 1900;

const size_t kLineSize = 256;
// A Shift-JIS byte never takes more than 3 bytes in UTF-8: a half-width
// katakana, which a holiday file's name may be made of, takes one byte in
// Shift-JIS and three in UTF-8.
const size_t kUtf8LineSize = kLineSize * 3 + 1;

// Every cell is four columns wide; Shift-JIS byte counts equal terminal
// columns, so the title can be centred by its length.
const int kCellWidth = 4;
const int kGridWidth = kCellWidth * kGridColumns;
const char kHolidayMark = '*';
// Room for any 16-bit day with its decoration, even if it overflows the cell.
const size_t kCellTextSize = 8;

const char kUsage[] = "usage: pelmo-cal [--holidays FILE] [YEAR MONTH]\n"
                      "       pelmo-cal [--holidays FILE] --days FROM_YEAR TO_YEAR\n"
                      "YEAR from 1 to 9999, MONTH from 1 to 12\n"
                      "--holidays FILE: the holidays of the years FILE covers from FILE, the\n"
                      "  Cabinet Office's syukujitsu.csv (Shift_JIS or UTF-8)\n";

iconv_t g_toUtf8 = reinterpret_cast<iconv_t>(-1);

bool PrintSjis(const char* text)
{
    char utf8[kUtf8LineSize];
    char* in = const_cast<char*>(text);
    size_t inLeft = strlen(text);
    char* out = utf8;
    size_t outLeft = sizeof utf8 - 1;
    if (iconv(g_toUtf8, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
        return false;
    }
    *out = '\0';
    return fputs(utf8, stdout) >= 0;
}

bool ParseNumber(const char* text, long min, long max, uint16_t* value)
{
    char* end = nullptr;
    errno = 0;
    const long number = strtol(text, &end, kDecimal);
    if (errno != 0 || end == text || *end != '\0' || number < min || number > max) {
        return false;
    }
    *value = static_cast<uint16_t>(number);
    return true;
}

bool ParseYear(const char* text, uint16_t* year)
{
    return ParseNumber(text, kMinYear, kMaxYear, year);
}

bool PrintCell(const GridDate& cell, DayKind kind, char* line, size_t size)
{
    char number[kCellTextSize];
    if (kind == DayKind::OtherMonth) {
        snprintf(number, sizeof number, "(%d)", cell.day);
    } else {
        snprintf(number, sizeof number, "%d%c", cell.day, kind == DayKind::Holiday ? kHolidayMark : ' ');
    }
    const size_t used = strlen(line);
    return snprintf(line + used, size - used, "%*s", kCellWidth, number) > 0;
}

bool PrintNamedDays(uint16_t year, uint16_t month, const HolidayTable* table)
{
    bool ok = true;
    for (uint16_t day = 1; day <= DaysInMonth(year, month); ++day) {
        const GridDate date = MakeGridDate(year, month, day);
        char dateLine[kDateLineSize];
        char name[kHolidayNameSize];
        char line[kLineSize];
        FormatDateLine(date, dateLine, sizeof dateLine);
        if (GetHolidayName(date, name, sizeof name, table)) {
            snprintf(line, sizeof line, "%s %c %s\n", dateLine, kHolidayMark, name);
            ok = PrintSjis(line) && ok;
        }
        if (GetObservanceName(date, name, sizeof name, table)) {
            snprintf(line, sizeof line, "%s   %s\n", dateLine, name);
            ok = PrintSjis(line) && ok;
        }
    }
    return ok;
}

bool PrintMonth(uint16_t year, uint16_t month, const HolidayTable* table)
{
    MonthGrid grid;
    if (!FillMonthGrid(year, month, &grid)) {
        return false;
    }
    DateTime shown = {};
    shown.year = year;
    shown.month = month;
    char title[kTitleSize];
    FormatTitle(kTitleJapanese, 0, shown, title, sizeof title);
    const int indent = (kGridWidth - static_cast<int>(strlen(title))) / 2;
    char line[kLineSize];
    snprintf(line, sizeof line, "%*s%s\n", indent > 0 ? indent : 0, "", title);
    bool ok = PrintSjis(line);

    line[0] = '\0';
    for (uint16_t weekday = kSunday; weekday <= kSaturday; ++weekday) {
        const size_t used = strlen(line);
        snprintf(line + used, sizeof line - used, "%*s", kCellWidth, WeekdayText(0, weekday));
    }
    ok = PrintSjis(line) && PrintSjis("\n") && ok;

    for (int row = 0; row < kGridRows; ++row) {
        line[0] = '\0';
        for (int column = 0; column < kGridColumns; ++column) {
            const GridDate& cell = grid.cells[row * kGridColumns + column];
            const bool inMonth = cell.month == month;
            const DayKind kind = ClassifyDay(cell.year, cell.month, cell.day, static_cast<uint16_t>(column),
                                             inMonth, table);
            PrintCell(cell, kind, line, sizeof line);
        }
        ok = PrintSjis(line) && PrintSjis("\n") && ok;
    }
    ok = PrintSjis("\n") && ok;
    return PrintNamedDays(year, month, table) && ok;
}

bool PrintDays(uint16_t fromYear, uint16_t toYear, const HolidayTable* table)
{
    bool ok = true;
    for (uint16_t year = fromYear; year <= toYear && ok; ++year) {
        for (uint16_t month = kJanuary; month <= kDecember; ++month) {
            for (uint16_t day = 1; day <= DaysInMonth(year, month); ++day) {
                const GridDate date = MakeGridDate(year, month, day);
                char dateLine[kDateLineSize];
                char holiday[kHolidayNameSize] = "";
                char observance[kHolidayNameSize] = "";
                FormatDateLine(date, dateLine, sizeof dateLine);
                GetHolidayName(date, holiday, sizeof holiday, table);
                GetObservanceName(date, observance, sizeof observance, table);
                const DayKind kind = ClassifyDay(year, month, day, date.weekday, true, table);
                char line[kLineSize];
                snprintf(line, sizeof line, "%04d-%02d-%02d\t%s\t%s\t%s\t%s\n", year, month, day, dateLine,
                         DayKindName(kind), holiday, observance);
                ok = PrintSjis(line) && ok;
            }
        }
    }
    return ok;
}

int Usage()
{
    fputs(kUsage, stderr);
    return kStatusUsage;
}

}   // namespace

int main(int argc, char** argv)
{
    const char* holidayFile = nullptr;
    if (argc >= 3 && strcmp(argv[1], "--holidays") == 0) {
        holidayFile = argv[2];
        argc -= 2;
        argv += 2;
    }
    bool days = false;
    uint16_t first = 0, second = 0;
    if (argc == 1) {
        const time_t now = time(nullptr);
        struct tm local = {};
        localtime_r(&now, &local);
        first = static_cast<uint16_t>(local.tm_year + kTmYearBase);
        second = static_cast<uint16_t>(local.tm_mon + kJanuary);
    } else if (argc == 4 && strcmp(argv[1], "--days") == 0) {
        days = true;
        if (!ParseYear(argv[2], &first) || !ParseYear(argv[3], &second) || first > second) {
            return Usage();
        }
    } else if (argc == 3) {
        if (!ParseYear(argv[1], &first) || !ParseNumber(argv[2], kJanuary, kDecember, &second)) {
            return Usage();
        }
    } else {
        return Usage();
    }

    // A file that cannot be used prints nothing but its reason.
    HolidayTable table = {};
    if (holidayFile != nullptr && !LoadHolidayFile(holidayFile, &table)) {
        return kStatusFailure;
    }
    const HolidayTable* holidays = holidayFile != nullptr ? &table : nullptr;
    g_toUtf8 = iconv_open("UTF-8", "CP932");
    if (g_toUtf8 == reinterpret_cast<iconv_t>(-1)) {
        perror("pelmo-cal: iconv_open CP932");
        return kStatusFailure;
    }
    const bool ok = days ? PrintDays(first, second, holidays) : PrintMonth(first, second, holidays);
    iconv_close(g_toUtf8);
    if (!ok || fflush(stdout) != 0) {
        fputs("pelmo-cal: could not write the output\n", stderr);
        return kStatusFailure;
    }
    return kStatusOk;
}
