#include "platform/clock.h"

#include <windows.h>

static bool s_pinned = false;
static DateTime s_pinnedTime = {};

DateTime ReadClock()
{
    if (s_pinned) {
        return s_pinnedTime;
    }
    SYSTEMTIME local;
    GetLocalTime(&local);
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

void SetClockForTests(const DateTime* fixed)
{
    s_pinned = fixed != nullptr;
    s_pinnedTime = fixed ? *fixed : DateTime{};
}
