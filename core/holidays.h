// Japanese national holidays (colouring and names) and seasonal observances.
// Equinoxes and solstices are tabulated for 1900 to 2099 only; the other rules
// apply to every year, with the holiday law's changes taking effect from 2016.
// Given a table read from the published holiday file, the years it covers
// take their holidays from it instead (core/holiday_table.h); without one
// the rules alone hold.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/dates.h"
#include "core/holiday_table.h"

// Holiday and observance names, including the two combined names: a name
// from the holiday file with the start of the equinox week joined to it.
const size_t kHolidayNameSize = kHolidayRowNameMax + sizeof "  彼岸入り";
// A date line, "\n  " and a name.
const size_t kDayLabelSize = kDateLineSize + kHolidayNameSize;

// Every date argument comes as year, month, day.
bool IsVernalEquinoxDay(uint16_t year, uint16_t month, uint16_t day);
bool IsAutumnalEquinoxDay(uint16_t year, uint16_t month, uint16_t day);
bool IsSummerSolsticeDay(uint16_t year, uint16_t month, uint16_t day);
bool IsWinterSolsticeDay(uint16_t year, uint16_t month, uint16_t day);

// Three days before a vernal or autumnal equinox day; in a year the table
// covers, the equinox is the file's own where it lists one.
bool IsHiganStart(uint16_t year, uint16_t month, uint16_t day, const HolidayTable* table = nullptr);

// The colouring test, without the Monday substitute (ClassifyDay adds that).
bool IsHoliday(uint16_t year, uint16_t month, uint16_t day);

// Every operation below takes an optional table: the years it covers follow
// the file, all others the rules.
DayKind ClassifyDay(uint16_t year, uint16_t month, uint16_t day, uint16_t column, bool inShownMonth,
                    const HolidayTable* table = nullptr);

// True for a national, substitute or citizens' holiday that has a name; the
// name is copied into name when one is given (name may be null).
bool GetHolidayName(GridDate date, char* name, size_t size, const HolidayTable* table = nullptr);

// The name the rules alone give a holiday, without an observance joined to
// it; null when they name none.
const char* RulesHolidayName(uint16_t year, uint16_t month, uint16_t day);

// True and the name for an observance; false at once without a buffer.
// Mother's and Father's Day use date.weekday, which a month grid sets exactly.
// Observances always come from the rules; a table only moves the equinox
// weeks to its own equinox days.
bool GetObservanceName(GridDate date, char* name, size_t size, const HolidayTable* table = nullptr);

// The tooltip of a day without memo: date line, "\n  " and the holiday name,
// else the observance name. False when the day has neither (or out is too
// small).
bool BuildDayLabel(const char* dateLine, GridDate date, char* out, size_t size,
                   const HolidayTable* table = nullptr);
