#include "platform/clock.h"

#include <windows.h>

#include "platform/system_calls.h"

DateTime ReadClock()
{
    SYSTEMTIME local;
    System().localTime(&local);
    DateTime now = {};
    now.year = local.wYear;
    now.month = local.wMonth;
    now.weekday = local.wDayOfWeek;
    now.day = local.wDay;
    now.hour = local.wHour;
    now.minute = local.wMinute;
    now.second = local.wSecond;
    now.milliseconds = local.wMilliseconds;
    return now;
}
