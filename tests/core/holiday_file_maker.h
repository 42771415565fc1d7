// The holiday file as the Cabinet Office would publish it for the built-in
// rules: Shift-JIS, CRLF, the header, one unpadded row per holiday in date
// order, substitute and citizens' holidays as 休日, the 2019 special days as
// 休日（祝日扱い）, the file's own spellings, no observance joined to a name.
// Shared by the tests and the benchmarks; the program has no such writer.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>

#include "core/dates.h"
#include "core/holidays.h"

// A row changed, removed (name null) or added (a date the rules do not name;
// added rows come after all others, out of date order).
struct HolidayEdit {
    uint16_t year, month, day;
    const char* name;
};

inline const char* PublishedHolidayName(const char* rules)
{
    struct Spelling {
        const char* rules;
        const char* file;
    };
    static const Spelling kSpellings[] = {
        {"振替休日", "休日"},
        {"国民の休日", "休日"},
        {"即位の日", "休日（祝日扱い）"},
        {"即位礼正殿の儀", "休日（祝日扱い）"},
        {"建国記念日", "建国記念の日"},
        {"子供の日", "こどもの日"},
    };
    for (const Spelling& s : kSpellings) {
        if (strcmp(rules, s.rules) == 0) {
            return s.file;
        }
    }
    return rules;
}

inline void AppendHolidayRow(std::string* file, uint16_t year, uint16_t month, uint16_t day, const char* name)
{
    char row[128];
    snprintf(row, sizeof row, "%d/%d/%d,%s\r\n", year, month, day, name);
    *file += row;
}

inline std::string PublishedHolidayFile(uint16_t first, uint16_t last, const HolidayEdit* edits = nullptr,
                                        size_t count = 0)
{
    std::string file = "国民の祝日・休日月日,国民の祝日・休日名称\r\n";
    std::string added;
    for (size_t i = 0; i < count; ++i) {
        const HolidayEdit& e = edits[i];
        if (e.name != nullptr && RulesHolidayName(e.year, e.month, e.day) == nullptr) {
            AppendHolidayRow(&added, e.year, e.month, e.day, e.name);
        }
    }
    for (uint16_t y = first; y <= last; ++y) {
        for (uint16_t m = kJanuary; m <= kDecember; ++m) {
            for (uint16_t d = 1; d <= DaysInMonth(y, m); ++d) {
                const char* name = RulesHolidayName(y, m, d);
                if (name == nullptr) {
                    continue;
                }
                name = PublishedHolidayName(name);
                for (size_t i = 0; i < count; ++i) {
                    if (edits[i].year == y && edits[i].month == m && edits[i].day == d) {
                        name = edits[i].name;
                    }
                }
                if (name != nullptr) {
                    AppendHolidayRow(&file, y, m, d, name);
                }
            }
        }
    }
    return file + added;
}
