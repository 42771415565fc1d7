// The record of system calls (platform/system_calls.h) as the tests play
// it: a guard that puts stand-ins in force for as long as it lives.
#pragma once
#include <windows.h>

#include <string>

#include "core/dates.h"
#include "platform/system_calls.h"

// Every change puts the whole record in force at once. When the guard goes,
// however its test ended (a failed assertion included), the record it found
// is put back, so that no stand-in outlives its test: one Wine process runs
// a whole suite.
class StandIns {
public:
    StandIns() : found_(System()) {}
    ~StandIns() { ReplaceSystemCalls(found_); }
    StandIns(const StandIns&) = delete;
    StandIns& operator=(const StandIns&) = delete;

    // One call of the record in force replaced by given, for example
    // Put(&SystemCalls::messageBox, RecordMessage).
    template <typename Call, typename Given>
    void Put(Call SystemCalls::*call, Given given)
    {
        SystemCalls calls = System();
        calls.*call = given;
        ReplaceSystemCalls(calls);
    }

    // The program's files are looked for in folder, which the guard keeps.
    void AppFolder(const std::string& folder);
    // Back to the executable's folder.
    void ExecutableFolder();
    // The local time stands at now until pinned again.
    void PinClock(const DateTime& now);
    // The tick count stands still from now on and moves only by MoveTicks.
    void StopTicks();
    void MoveTicks(DWORD milliseconds);

private:
    SystemCalls found_;
    std::string folder_;
};
