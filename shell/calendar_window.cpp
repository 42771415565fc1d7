// The calendar window procedure: creation order, refresh, navigation,
// pointer handling, timer and close order. Each message goes to a small
// handler below; the window owns every resource it creates.
#include "shell/calendar_window.h"

#include <windows.h>
#include <commctrl.h>
#include <stdlib.h>
#include <time.h>

#include "core/navigation.h"
#include "res/resource.h"
#include "settings/design_record.h"
#include "settings/settings_file.h"
#include "settings/settings_startup.h"
#include "dialogs/design_list.h"
#include "memo/memo_store.h"
#include "memo/tooltips.h"
#include "settings/app_folder.h"
#include "settings/auto_change.h"
#include "shell/app.h"
#include "shell/commands.h"
#include "shell/context_menu.h"
#include "shell/first_start.h"
#include "shell/tray.h"
#include "view/background.h"
#include "view/layout.h"
#include "view/layout_win.h"
#include "view/paint.h"

static HDC s_backBuffer;
static HBITMAP s_backBitmap;
static HGDIOBJ s_firstBitmap;
static HGDIOBJ s_firstBrush;
static HBRUSH s_brush;
static DateTime s_now;
static int s_lastMinute = -1;
static int s_monthOffset;
static char s_dateLine[kDateLineSize];
static CalendarLayout s_layout;
static DesignRecord s_design;
static MemoDisplaySettings s_memo;
static RegistryValues s_registry;
static bool s_resourcesReleased;
static unsigned s_refreshCount;

static const char kExitQuestion[] = "ソフトを終了しますか？";
static const char kExitCaption[] = "『ポルカミナ』";
static const UINT kClockPeriodMs = 1000;

// Double clicks on the header row act as buttons, tested in this order.
enum HeaderButton { kHeaderYearForward, kHeaderYearBack, kHeaderDecadeForward, kHeaderDecadeBack,
                    kHeaderHide, kHeaderMaximize, kHeaderExit };
static const int kMonthsPerDecade = 120;

int CalendarMonthOffset()
{
    return s_monthOffset;
}

DateTime CalendarNow()
{
    return s_now;
}

unsigned CalendarRefreshCount()
{
    return s_refreshCount;
}

void RequestRefresh(HWND window)
{
    SendMessageA(window, WM_SIZE, 0, 0);
}

static void ReadNow()
{
    SYSTEMTIME local;
    GetLocalTime(&local);
    static_assert(sizeof local == sizeof s_now, "DateTime mirrors SYSTEMTIME");
    memcpy(&s_now, &local, sizeof s_now);
}

static void ReleaseBackBuffer();

// --- creation -------------------------------------------------------------

static void PrepareLibraries(HWND window)
{
    DragAcceptFiles(window, TRUE);
    srand((unsigned)time(nullptr));
}

static void CopySettingsToWorkingFile()
{
    char from[kAppPathSize];
    char to[kAppPathSize];
    if (SettingsPath(kSettingsFile, from, sizeof from) && SettingsPath(kWorkingFile, to, sizeof to)) {
        CopyFileA(from, to, FALSE);
    }
}

static bool CreateBackBuffer(HWND window)
{
    HDC screen = GetDC(window);
    s_backBuffer = CreateCompatibleDC(screen);
    s_backBitmap = CreateCompatibleBitmap(screen, GetSystemMetrics(SM_CXSCREEN),
                                          GetSystemMetrics(SM_CYSCREEN));
    s_firstBitmap = SelectObject(s_backBuffer, s_backBitmap);
    s_brush = CreateBackgroundBrush(kSettingsFile);
    s_firstBrush = SelectObject(s_backBuffer, s_brush);
    ReleaseDC(window, screen);
    return s_backBuffer && s_backBitmap && s_brush;
}

static LRESULT OnCreate(HWND window)
{
    s_resourcesReleased = false;
    s_monthOffset = 0;
    s_dateLine[0] = '\0';
    PrepareLibraries(window);
    s_registry.unregisteredChange = DecideFirstStart(window);
    CopySettingsToWorkingFile();
    CreateBackBuffer(window);
    ApplyTransparencyIfSet(window);
    ReadNow();
    s_lastMinute = s_now.minute;
    unsigned refreshes = s_refreshCount;
    if (!LoadSettings(window, &s_design, &s_memo, &s_registry)) {
        // An invalid design count or number ends the program unsaved. A
        // failed creation destroys the window, but not every system sends
        // it the destroy message that would end the loop: end it here.
        s_resourcesReleased = true;
        ReleaseBackBuffer();
        DeleteObject(s_brush);
        s_brush = nullptr;
        PostQuitMessage(0);
        return -1;
    }
    LoadContextMenu();
    PrepareTrayIcon(window);
    RegisterTaskbarCreated();
    // Tooltips only matter once the pointer rests on the calendar: made by
    // a one-shot timer, which comes after the first paint, they do not
    // delay the first frame.
    SetTimer(window, IDT_CREATE_TOOLTIPS, USER_TIMER_MINIMUM, nullptr);
    PrepareMemoBuffer();
    EnsureFolder(kMemoFolder);
    EnsureFolder(kImageFolder);
    CreateDesignListWindow(window);
    RunStartupDesignChange(window);
    SetTimer(window, IDT_CLOCK, kClockPeriodMs, nullptr);
    if (s_refreshCount == refreshes) {
        RequestRefresh(window);   // placing the window did not resize it
    }
    return 0;
}

// The common controls (loaded on first use) are needed first by the
// tooltips; both come once the first frame is on the screen.
static void OnCreateTooltips(HWND window)
{
    KillTimer(window, IDT_CREATE_TOOLTIPS);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CreateTooltips(window, s_memo);
    if (TooltipsOn()) {
        SetTooltipsActive(true);
    }
}

// --- refresh and paint ----------------------------------------------------

static void OnRefresh(HWND window)
{
    if (!s_backBuffer) {
        return;   // after the close order nothing is left to paint into
    }
    ++s_refreshCount;
    SetTooltipsActive(false);
    // What the cells show may have changed (a memo written, another month):
    // the next move over a cell reads its tooltip afresh.
    ForgetHover();
    DateTime shown = s_now;
    RECT client;
    GetClientRect(window, &client);
    s_layout.clientRect = {client.left, client.top, client.right, client.bottom};
    int today = 0;
    if (s_monthOffset == 0 || !ApplyMonthOffset(s_now, s_monthOffset, &shown)) {
        s_monthOffset = 0;
        shown = s_now;
        today = 1;
    }
    PaintCalendar(s_backBuffer, window, &s_design, today, kSettingsFile, shown, &s_layout);
    if (TooltipsOn()) {
        SetTooltipsActive(true);
    }
}

static void OnPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (s_backBuffer) {
        const RECT& r = ps.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, s_backBuffer, r.left, r.top,
               SRCCOPY);
    }
    EndPaint(window, &ps);
}

static void StepMonths(HWND window, int months)
{
    s_monthOffset += months;
    RequestRefresh(window);
}

// The minute is what the clock and the date display show; a repaint on every
// other tick would redraw an identical picture.
static void OnClockTick(HWND window)
{
    ReadNow();
    if (s_now.minute != s_lastMinute) {
        s_lastMinute = s_now.minute;
        RequestRefresh(window);
    }
    RunHourlyDesignChange(window);
}

// --- keyboard and wheel ---------------------------------------------------

static void OnKeyDown(HWND window, WPARAM key)
{
    if (key == VK_UP) {
        StepMonths(window, -1);
    } else if (key == VK_DOWN) {
        StepMonths(window, 1);
    }
}

static void OnMouseWheel(HWND window, WPARAM wParam, LPARAM lParam)
{
    POINT screen = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    RECT frame;
    GetWindowRect(window, &frame);
    if (!PtInRect(&frame, screen)) {
        return;
    }
    short delta = (short)HIWORD(wParam);
    if (delta > 0) {
        StepMonths(window, -1);
    } else if (delta < 0) {
        StepMonths(window, 1);
    }
}

// --- pointer --------------------------------------------------------------

static void SetBorderCursor(BorderCursor cursor)
{
    HCURSOR shape = LoadBorderCursor(cursor);
    if (shape) {
        SetCursor(shape);
    }
}

static void OnMouseMove(HWND window, WPARAM buttons, LPARAM lParam)
{
    Point pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    RECT client;
    GetClientRect(window, &client);
    BorderHit hit = HitTestBorder(pt, client.right, client.bottom);
    SetBorderCursor(hit.cursor);
    if (buttons == MK_LBUTTON) {
        // The system runs its own move or size loop from here.
        POINT screen = {pt.x, pt.y};
        ClientToScreen(window, &screen);
        SendMessageA(window, WM_NCLBUTTONDOWN, (WPARAM)hit.hitCode, MAKELPARAM(screen.x, screen.y));
        return;
    }
    if (!TooltipsOn()) {
        SetTooltipsActive(false);
    }
    int cell = HitTestCell(s_layout, pt);
    if (cell != kNoCell) {
        FormatDateLine(s_layout.dates.cells[cell], s_dateLine, sizeof s_dateLine);
        ArmDayTooltip(cell, s_layout.cellRects[cell], s_dateLine, s_layout.dates.cells[cell]);
    } else {
        ForgetHover();
        UpdateHeaderHints(pt, s_layout);
    }
}

static bool InHeader(int button, POINT pt)
{
    const Rect& r = s_layout.weekdayRects[button];
    return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
}

static void AskToExit(HWND window)
{
    if (MessageBoxA(window, kExitQuestion, kExitCaption, MB_ICONINFORMATION | MB_YESNO) == IDYES) {
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
}

// The header cells, by column: year forward, year back, ten years forward,
// ten years back, hide, maximise or restore, exit.
static void OnHeaderDoubleClick(HWND window, POINT pt)
{
    if (InHeader(kHeaderExit, pt)) {
        AskToExit(window);
    } else if (InHeader(kHeaderMaximize, pt)) {
        SendMessageA(window, WM_COMMAND, IDM_MAXIMIZE, 0);
    } else if (InHeader(kHeaderHide, pt)) {
        SendMessageA(window, WM_COMMAND, IDM_HIDE, 0);
    } else if (InHeader(kHeaderYearForward, pt)) {
        StepMonths(window, kMonthsPerYear);
    } else if (InHeader(kHeaderYearBack, pt)) {
        StepMonths(window, -kMonthsPerYear);
    } else if (InHeader(kHeaderDecadeForward, pt)) {
        StepMonths(window, kMonthsPerDecade);
    } else if (InHeader(kHeaderDecadeBack, pt)) {
        StepMonths(window, -kMonthsPerDecade);
    }
}

static void OnDoubleClick(HWND window, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    RECT client;
    GetClientRect(window, &client);
    int height = client.bottom;
    if (pt.y < height / kLayoutRows) {
        s_monthOffset = 0;
        RequestRefresh(window);
    } else if (pt.y > height / 4) {
        // Below the header: the memo of the day last hovered, even from the
        // strip under the last row.
        SendMessageA(window, WM_COMMAND, IDM_EDIT_MEMO, 0);
    } else {
        OnHeaderDoubleClick(window, pt);
    }
}

static void OnRightButtonDown(HWND window, LPARAM lParam)
{
    Point pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    ShowContextMenu(window, HitTestCell(s_layout, pt) != kNoCell);
}

static void OnCommand(HWND window, WPARAM wParam)
{
    HandleCommand(window, LOWORD(wParam), s_dateLine);
}

// --- close ----------------------------------------------------------------

static void ReleaseBackBuffer()
{
    if (!s_backBuffer) {
        return;
    }
    SelectObject(s_backBuffer, s_firstBrush);
    SelectObject(s_backBuffer, s_firstBitmap);
    DeleteDC(s_backBuffer);
    DeleteObject(s_backBitmap);
    s_backBuffer = nullptr;
    s_backBitmap = nullptr;
}

static void SaveEverything(HWND window)
{
    SaveSettings(window, s_brush, s_design, s_memo, s_registry);
}

static void DeleteWorkingFile()
{
    char path[kAppPathSize];
    if (SettingsPath(kWorkingFile, path, sizeof path)) {
        DeleteFileA(path);
    }
}

static void RunCloseOrder(HWND window)
{
    if (s_resourcesReleased) {
        return;
    }
    s_resourcesReleased = true;
    ShowWindow(window, SW_RESTORE);   // so the normal rectangle is saved
    ReleaseBackBuffer();
    SaveEverything(window);
    DeleteObject(s_brush);
    s_brush = nullptr;
    DestroyContextMenu();
    RemoveTrayIcon(window);
    DestroyTooltipResources();
    ReleaseMemoBuffer();
    DeleteWorkingFile();
    SaveShortcutFlags();
}

// A log-off can still be cancelled by another program: save now, keep the
// picture and brush until the session really ends.
static LRESULT OnQueryEndSession(HWND window)
{
    if (!s_resourcesReleased) {
        ShowWindow(window, SW_RESTORE);
        SaveEverything(window);
        SaveShortcutFlags();
    }
    return TRUE;
}

static void OnEndSession(HWND window, WPARAM ending)
{
    if (ending) {
        RunCloseOrder(window);
    }
}

// --- the procedure ----------------------------------------------------------

LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        OnRefresh(window);
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_CLOSE:
        RunCloseOrder(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_QUERYENDSESSION:
        return OnQueryEndSession(window);
    case WM_ENDSESSION:
        OnEndSession(window, wParam);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(window, wParam);
        return 0;
    case WM_COMMAND:
        OnCommand(window, wParam);
        return 0;
    case WM_TIMER:
        if (wParam == IDT_CLOCK) {
            OnClockTick(window);
        } else if (wParam == IDT_CREATE_TOOLTIPS) {
            OnCreateTooltips(window);
        }
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(window, wParam, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(window, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        OnRightButtonDown(window, lParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(window, wParam, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
