// The calendar's holidays from the file beside it: read before the first
// frame and again at every new minute, and a file that cannot be used told
// once per write time, after the frame that shows the rules instead.
#pragma once
#include <windows.h>

#include "core/holiday_file.h"
#include "core/holiday_table.h"
#include "platform/holiday_source.h"

// Part of the calendar window's state.
struct HolidaySource {
    HolidayTable table;       // empty: the rules alone
    HolidayFileStamp stamp;   // of the file as last read
    bool tellRefusal;         // a refused file not yet told
    HolidayFileResult refusal;
};

// True when the holidays changed: the caller repaints, then calls
// TellHolidayFileRefused.
bool UpdateHolidays(HolidaySource* source);

// The message box of a refused file, once; it has no owner, so the
// calendar stays usable while it shows.
void TellHolidayFileRefused(HolidaySource* source);
