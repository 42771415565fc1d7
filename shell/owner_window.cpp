#include "shell/owner_window.h"

#include "dialogs/design_list.h"
#include "platform/app_instance.h"
#include "res/resource.h"
#include "shell/calendar_window.h"

static const char kCalendarTitle[] = "ポルカミナ";

static bool RegisterOneClass(HINSTANCE instance, const char* name, UINT style, int background,
                             WNDPROC procedure)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(IDI_PELMO), IMAGE_ICON, 0, 0,
                                 LR_DEFAULTSIZE | LR_SHARED);
    wc.hIconSm = wc.hIcon;
    wc.hCursor = (HCURSOR)LoadImageA(nullptr, IDC_ARROW, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED);
    wc.hbrBackground = (HBRUSH)(INT_PTR)(background + 1);
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

bool RegisterWindowClasses(HINSTANCE instance)
{
    const UINT redraw = CS_HREDRAW | CS_VREDRAW;
    bool ok = RegisterOneClass(instance, PELMO_OWNER_CLASS, redraw, COLOR_WINDOW, OwnerWindowProc);
    ok = RegisterOneClass(instance, PELMO_CALENDAR_CLASS, redraw | CS_DBLCLKS, COLOR_WINDOW,
                          CalendarWindowProc) &&
         ok;
    ok = RegisterOneClass(instance, PELMO_DESIGN_LIST_CLASS, redraw, COLOR_BTNFACE, DesignListWindowProc) &&
         ok;
    return ok;
}

HWND CreateOwnerWindow(HINSTANCE instance)
{
    return CreateWindowExA(0, PELMO_OWNER_CLASS, kOwnerTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

// Made accepting dropped files, as DragAcceptFiles would mark it, without
// loading the shell before the first frame.
static void CreateCalendarWindow(HWND owner)
{
    CreateWindowExA(WS_EX_ACCEPTFILES, PELMO_CALENDAR_CLASS, kCalendarTitle, WS_POPUP | WS_VISIBLE,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, AppInstance(),
                    nullptr);
}

LRESULT CALLBACK OwnerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateCalendarWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
