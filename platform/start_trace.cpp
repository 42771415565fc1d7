#include "platform/start_trace.h"

#include <windows.h>
#include <stdio.h>

static const char kSwitch[] = "PELMO_TRACE";

enum class TraceState { Unknown, Off, On };
static TraceState s_state = TraceState::Unknown;

void TraceStep(const char* step)
{
    if (s_state == TraceState::Unknown) {
        s_state = GetEnvironmentVariableA(kSwitch, nullptr, 0) > 0 ? TraceState::On : TraceState::Off;
    }
    if (s_state == TraceState::Off) {
        return;
    }
    char line[128];
    snprintf(line, sizeof line, "pelmo: %s\n", step);
    OutputDebugStringA(line);
}
