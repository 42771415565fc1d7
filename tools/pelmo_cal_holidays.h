// pelmo-cal's reading of a holiday file: the file's bytes, a UTF-8 file
// turned into the Shift-JIS that the core reads, the reason on stderr when
// the file cannot be used.
#pragma once

#include "core/holiday_table.h"

// True and the table, or false with the file's name, the line where one
// applies and the reason written to stderr.
bool LoadHolidayFile(const char* path, HolidayTable* table);
