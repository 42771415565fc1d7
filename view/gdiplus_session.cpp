#include "view/gdiplus_session.h"

#include <windows.h>
#include <gdiplus.h>

#include "platform/start_trace.h"

static ULONG_PTR s_token;
static bool s_started;

bool StartGdiplusOnce()
{
    if (!s_started) {
        Gdiplus::GdiplusStartupInput input;
        s_started = Gdiplus::GdiplusStartup(&s_token, &input, nullptr) == Gdiplus::Ok;
        TraceStep("GDI+ started");
    }
    return s_started;
}

void ShutdownGdiplusIfStarted()
{
    if (s_started) {
        Gdiplus::GdiplusShutdown(s_token);
        s_started = false;
        s_token = 0;
    }
}

bool GdiplusWasStarted()
{
    return s_started;
}
