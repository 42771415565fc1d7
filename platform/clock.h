// The local time as the whole program reads it, through the record of
// system calls, so that tests can step through minute, hour and day
// changes.
#pragma once
#include "core/dates.h"

DateTime ReadClock();
