#include "tests/win/stand_ins.h"

#include <string.h>

// What the stand-ins of the clock and the tick count answer: one of each
// is ever in force, and a guard that goes takes the stand-in with it.
static DateTime s_pinnedTime;
static DWORD s_ticks;

static void WINAPI PinnedLocalTime(LPSYSTEMTIME time)
{
    static_assert(sizeof(DateTime) == sizeof(SYSTEMTIME), "DateTime must match SYSTEMTIME");
    memcpy(time, &s_pinnedTime, sizeof *time);
}

static DWORD WINAPI StoppedTickCount()
{
    return s_ticks;
}

void StandIns::AppFolder(const std::string& folder)
{
    folder_ = folder;
    Put(&SystemCalls::appFolder, folder_.c_str());
}

void StandIns::ExecutableFolder()
{
    Put(&SystemCalls::appFolder, nullptr);
}

void StandIns::PinClock(const DateTime& now)
{
    s_pinnedTime = now;
    Put(&SystemCalls::localTime, PinnedLocalTime);
}

void StandIns::StopTicks()
{
    s_ticks = GetTickCount();
    Put(&SystemCalls::tickCount, StoppedTickCount);
}

void StandIns::MoveTicks(DWORD milliseconds)
{
    s_ticks += milliseconds;
}
