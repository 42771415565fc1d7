// Entry point: libraries from the system folder only, one copy per logon,
// the message loop, and GDI+ shut down after it if a picture started it.
#include <windows.h>

#include "dialogs/design_list.h"
#include "platform/app_instance.h"
#include "res/resource.h"
#include "shell/calendar_window.h"
#include "shell/owner_window.h"
#include "platform/start_trace.h"
#include "platform/system_library.h"
#include "view/gdiplus_session.h"
#include "view/picture_read_ahead.h"

// A second copy only brings the first one forward; it touches no file.
static bool AnotherCopyIsRunning()
{
    HANDLE mutex = CreateMutexA(nullptr, FALSE, PELMO_MUTEX_NAME);
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
        return false;   // the handle lives as long as the process
    }
    if (mutex) {
        CloseHandle(mutex);
    }
    SetForegroundWindow(FindWindowA(PELMO_OWNER_CLASS, kOwnerTitle));
    return true;
}

static int RunMessageLoop()
{
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            break;
        }
        if (IsDesignListMessage(&msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Before anything can load a library: GDI+, the common controls and
    // the common dialogs are imported lazily so that they too come from the
    // system folder.
    RestrictLibrarySearch();
    TraceStep("entry");
    if (AnotherCopyIsRunning()) {
        return 0;
    }
    SetAppInstance(instance);
    StartReadingBackgroundAhead();
    RegisterWindowClasses(instance);
    HWND owner = CreateOwnerWindow(instance);
    if (owner) {
        ShowWindow(owner, SW_HIDE);
        UpdateWindow(owner);
    }
    int code = RunMessageLoop();
    DiscardPictureReadAhead();   // a creation that failed never took it
    ShutdownGdiplusIfStarted();
    return code;
}
