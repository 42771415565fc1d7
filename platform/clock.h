// The local time as the whole program reads it. Tests pin it to a fixed
// moment so that minute, hour and day changes can be stepped through.
#pragma once
#include "core/dates.h"

DateTime ReadClock();
// From now on ReadClock returns a copy of *fixed; null returns to the
// system's local time.
void SetClockForTests(const DateTime* fixed);
