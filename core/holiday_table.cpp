#include "core/holiday_table.h"

#include <algorithm>

namespace {

const unsigned kMonthShift = 5;
const unsigned kYearShift = 9;
const uint16_t kFirstDay = 1;
const uint16_t kLastPossibleDay = 31;

bool EarlierThan(const HolidayRow& row, uint32_t date)
{
    return row.date < date;
}

}   // namespace

uint32_t HolidayDateKey(uint16_t year, uint16_t month, uint16_t day)
{
    return static_cast<uint32_t>(year) << kYearShift | static_cast<uint32_t>(month) << kMonthShift | day;
}

bool CoversYear(const HolidayTable* table, uint16_t year)
{
    return table != nullptr && table->firstYear != 0 && year >= table->firstYear && year <= table->lastYear;
}

const HolidayRow* FindHolidayRow(const HolidayTable& table, uint16_t year, uint16_t month, uint16_t day)
{
    const uint32_t date = HolidayDateKey(year, month, day);
    auto found = std::lower_bound(table.rows.begin(), table.rows.end(), date, EarlierThan);
    return found != table.rows.end() && found->date == date ? &*found : nullptr;
}

const char* HolidayRowName(const HolidayTable& table, const HolidayRow& row)
{
    return table.names.data() + row.nameOffset;
}

uint16_t FileEquinoxDay(const HolidayTable& table, uint16_t year, uint16_t month)
{
    const uint32_t first = HolidayDateKey(year, month, kFirstDay);
    const uint32_t last = HolidayDateKey(year, month, kLastPossibleDay);
    auto row = std::lower_bound(table.rows.begin(), table.rows.end(), first, EarlierThan);
    for (; row != table.rows.end() && row->date <= last; ++row) {
        if (row->equinoxMonth == month) {
            return static_cast<uint16_t>(row->date - first + kFirstDay);
        }
    }
    return 0;
}
