// The names the calendar shows for the rows of a holiday file, and the
// table built of them: 休日 told apart as a substitute or a citizens'
// holiday, the rules' own name where the file only annotates a day, and
// the calendar's own spelling of two names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/holiday_table.h"

// A row of the file as it is written.
struct HolidayFileRow {
    uint32_t date;   // HolidayDateKey
    uint16_t year, month, day;
    const char* name;   // nameLength bytes, not zero-terminated
    size_t nameLength;
    int line;
};

// The table of rows in date order with no date twice (ParseHolidayFile
// makes sure of both): the names to show and the file's equinoxes.
void BuildHolidayTable(const std::vector<HolidayFileRow>& rows, HolidayTable* table);
