// Reading the holiday file that the Cabinet Office publishes, syukujitsu.csv:
// a header line, then one row "YYYY/M/D,name" per national holiday, in
// Shift-JIS. Also what an editor makes of it when a person saves it again:
// LF line ends, zero-padded dates, blanks around fields, names in double
// quotes, rows in any order, blank lines, and UTF-8, which the caller turns
// into Shift-JIS first. A file is taken whole or not at all.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/holiday_table.h"

const char kHolidayFileName[] = "syukujitsu.csv";

// Larger files are refused without being read.
const size_t kHolidayFileMaxBytes = size_t{1024} * 1024;

// What a converter to Shift-JIS writes for a character that has none (or
// for bytes that are no UTF-8): the row that holds it is refused with its
// line, as control characters are.
const char kNoShiftJisForm = 0x7F;

enum class HolidayFileEncoding { ShiftJis, Utf8 };

// A byte order mark means UTF-8, and so does a header line in UTF-8; any
// other file is taken as Shift-JIS. *skip is the length of the byte order
// mark, which the conversion leaves out.
HolidayFileEncoding DetectHolidayFileEncoding(const char* bytes, size_t size, size_t* skip);

enum class HolidayFileProblem {
    None,
    TooLarge,
    NotReadable,   // for the caller: cannot be opened or read, or a folder
    Header,
    NoRows,
    BadCharacter,
    NoShiftJisForm,
    FieldCount,
    Quote,
    BadDate,
    YearRange,
    NoSuchDay,
    EmptyName,
    NameTooLong,
    DuplicateDate,
    MissingYear,
};

struct HolidayFileResult {
    HolidayFileProblem problem;
    int line;   // counted from 1; 0 where no line applies
};

// Parses Shift-JIS bytes into *table, which is replaced only on success.
HolidayFileResult ParseHolidayFile(const char* bytes, size_t size, HolidayTable* table);

// A short English reason, for tools.
const char* HolidayFileProblemText(HolidayFileProblem problem);
