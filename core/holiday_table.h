// The national holidays of a published holiday file, as a table of dates
// and the names to show. For the years it covers (its first to its last
// year) the table alone says which days are holidays; other years keep the
// built-in rules. A table is a plain value: whoever shows the calendar owns
// one and hands it down, and no table at all means the rules alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The longest name a row of the file may carry, in Shift-JIS bytes.
const size_t kHolidayRowNameMax = 64;

struct HolidayRow {
    uint32_t date;         // HolidayDateKey
    uint32_t nameOffset;   // into HolidayTable::names, zero-terminated there
    // A row the file calls 休日 (a substitute or citizens' holiday), which,
    // like the rules' own, takes no observance joined to its name.
    bool substitute;
    // 3 or 9 for the file's 春分の日 in March or 秋分の日 in September, from
    // which the equinox weeks of that year count; 0 otherwise.
    uint16_t equinoxMonth;
};

struct HolidayTable {
    uint16_t firstYear;   // 0 for an empty table, which covers no year
    uint16_t lastYear;
    std::vector<HolidayRow> rows;   // ordered by date, no date twice
    std::vector<char> names;
};

// Orders dates as numbers: year, then month, then day.
uint32_t HolidayDateKey(uint16_t year, uint16_t month, uint16_t day);

// True when table is given and its rows decide the holidays of year.
bool CoversYear(const HolidayTable* table, uint16_t year);

// The row of a date, or null.
const HolidayRow* FindHolidayRow(const HolidayTable& table, uint16_t year, uint16_t month, uint16_t day);

const char* HolidayRowName(const HolidayTable& table, const HolidayRow& row);

// The day of the file's equinox row in a month of a year (March for 春分の日,
// September for 秋分の日), or 0 when the file has none there.
uint16_t FileEquinoxDay(const HolidayTable& table, uint16_t year, uint16_t month);
