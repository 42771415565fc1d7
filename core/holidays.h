// Japanese national holidays (colouring and names) and seasonal observances.
// Equinoxes and solstices are tabulated for 1900 to 2099 only; the other rules
// apply to every year, with the holiday law's changes taking effect from 2016.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/dates.h"

// Holiday and observance names, including the two combined names.
const size_t kHolidayNameSize = 32;
// A date line, "\n  " and a name.
const size_t kDayLabelSize = kDateLineSize + kHolidayNameSize;

// Every date argument comes as year, month, day.
bool IsVernalEquinoxDay(uint16_t year, uint16_t month, uint16_t day);
bool IsAutumnalEquinoxDay(uint16_t year, uint16_t month, uint16_t day);
bool IsSummerSolsticeDay(uint16_t year, uint16_t month, uint16_t day);
bool IsWinterSolsticeDay(uint16_t year, uint16_t month, uint16_t day);

// Three days before a vernal or autumnal equinox day.
bool IsHiganStart(uint16_t year, uint16_t month, uint16_t day);

// The colouring test, without the Monday substitute (ClassifyDay adds that).
bool IsHoliday(uint16_t year, uint16_t month, uint16_t day);

DayKind ClassifyDay(uint16_t year, uint16_t month, uint16_t day, uint16_t column,
                    bool inShownMonth);

// True for a national, substitute or citizens' holiday that has a name; the
// name is copied into name when one is given (name may be null).
bool GetHolidayName(GridDate date, char* name, size_t size);

// True and the name for an observance; false at once without a buffer.
// Mother's and Father's Day use date.weekday, which a month grid sets exactly.
bool GetObservanceName(GridDate date, char* name, size_t size);

// The tooltip of a day without memo: date line, "\n  " and the holiday name,
// else the observance name. False when the day has neither (or out is too
// small).
bool BuildDayLabel(const char* dateLine, GridDate date, char* out, size_t size);
