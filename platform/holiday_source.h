// The holiday file beside the executable, syukujitsu.csv, as the calendar
// reads it: a look at its write time and size, cheap enough for every
// minute, and the whole file read only when they changed. The file is read
// without letting anyone write it meanwhile, and never written.
#pragma once
#include <windows.h>

#include "core/holiday_file.h"
#include "core/holiday_table.h"

// What the last look found.
struct HolidayFileStamp {
    bool present;
    bool folder;
    FILETIME written;
    DWORD sizeHigh, sizeLow;
};

enum class HolidayCheck {
    Unchanged,   // as at the last look: the table stands
    Busy,        // being written or locked: looked at again next time
    Removed,     // no file: the rules alone
    Loaded,      // the file's table
    Refused,     // a file that cannot be used: the rules alone
};

// Looks at the file and, when it differs from *stamp, reads it. Loaded
// replaces *table; Removed and Refused empty it; Unchanged and Busy leave
// it. *stamp follows the file except when Busy. *refusal tells why a file
// was refused, with its line where one applies.
HolidayCheck CheckHolidayFile(HolidayFileStamp* stamp, HolidayTable* table, HolidayFileResult* refusal);
