// Paging through months: the shown month is the current month moved by a
// signed number of calendar months.
#pragma once
#include <stdint.h>

#include "core/dates.h"

// Moves the year and month of `now` by `offset` months into *shown (the other
// fields are copied). Returns false, leaving *shown as `now`, when the result
// would leave the years 1 to 9999.
bool ApplyMonthOffset(DateTime now, int32_t offset, DateTime* shown);
