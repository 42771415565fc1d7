#include "tests/win/stand_ins.h"

#include <gtest/gtest.h>
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

static bool SameCalls(const SystemCalls& a, const SystemCalls& b)
{
    return a.messageBox == b.messageBox && a.chooseColour == b.chooseColour &&
           a.openFileName == b.openFileName && a.notifyIcon == b.notifyIcon &&
           a.specialFolder == b.specialFolder && a.localTime == b.localTime && a.tickCount == b.tickCount &&
           a.random == b.random && a.appFolder == b.appFolder;
}

// Every test starts on the system's own calls. One left replaced by an
// earlier test of the process (a stand-in set outside a guard) fails the
// test it would mislead, and is put right before it runs.
class OwnCallsAtEachStart : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        const SystemCalls own = SystemOwnCalls();
        if (!SameCalls(own, System())) {
            ADD_FAILURE() << "a stand-in for a system call outlived an earlier test";
            ReplaceSystemCalls(own);
        }
    }
};

static const bool s_checkedAtEachStart =
    (::testing::UnitTest::GetInstance()->listeners().Append(new OwnCallsAtEachStart), true);
