// The calendar window procedure: creation order, refresh, navigation,
// pointer handling, timer and close order. Each message goes to a small
// handler below; the window owns every resource it creates, all of it in
// one state record that its creation sets up afresh.
#include "shell/calendar_window.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <stdlib.h>
#include <time.h>

#include "core/navigation.h"
#include "memo/memo_marks.h"
#include "memo/month_view.h"
#include "memo/memo_store.h"
#include "platform/app_folder.h"
#include "platform/app_instance.h"
#include "platform/clock.h"
#include "platform/start_trace.h"
#include "res/resource.h"
#include "settings/design_record.h"
#include "settings/settings_copy.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "settings/settings_startup.h"
#include "settings/window_position.h"
#include "shell/auto_change_steps.h"
#include "shell/calendar_state.h"
#include "shell/commands.h"
#include "shell/context_menu.h"
#include "shell/design_commands.h"
#include "shell/first_start.h"
#include "shell/holiday_updates.h"
#include "shell/long_path_notice.h"
#include "shell/transparency.h"
#include "shell/tray.h"
#include "tooltips/day_tooltip.h"
#include "tooltips/header_hints.h"
#include "tooltips/tooltips.h"
#include "view/background.h"
#include "view/header_cells.h"
#include "view/layout.h"
#include "view/layout_win.h"
#include "view/paint.h"
#include "view/picture.h"
#include "view/picture_read_ahead.h"

static CalendarState s_calendar;

static const char kExitQuestion[] = "ソフトを終了しますか？";
static const char kExitCaption[] = "『ポルカミナ』";
static const UINT kClockPeriodMs = 1000;

int CalendarMonthOffset()
{
    return s_calendar.monthOffset;
}

DateTime CalendarNow()
{
    return s_calendar.now;
}

unsigned CalendarRefreshCount()
{
    return s_calendar.refreshCount;
}

void RequestRefresh(HWND window)
{
    SendMessageA(window, WM_PELMO_REFRESH, 0, 0);
}

// The program's one clock, which tests can set.
static void ReadNow()
{
    s_calendar.now = ReadClock();
}

// --- creation -------------------------------------------------------------

static bool ConvertedPicturePath(char* out, size_t size)
{
    return BuildAppPath(kConvertedPictureName, out, size);
}

void StartReadingBackgroundAhead()
{
    char converted[kAppPathSize];
    if (ConvertedPicturePath(converted, sizeof converted)) {
        StartPictureReadAhead(ReadBackground(kSettingsFile), converted);
    }
}

static bool CreateBackBuffer(HWND window)
{
    CalendarState& s = s_calendar;
    HDC screen = GetDC(window);
    s.backBuffer = CreateCompatibleDC(screen);
    s.backBitmap = CreateCompatibleBitmap(screen, GetSystemMetrics(SM_CXSCREEN),
                                          GetSystemMetrics(SM_CYSCREEN));
    s.firstBitmap = SelectObject(s.backBuffer, s.backBitmap);
    char converted[kAppPathSize];
    ConvertedPicturePath(converted, sizeof converted);
    s.brush = CreateBackgroundBrush(ReadBackground(kSettingsFile), converted, &s.keepStoredBrush);
    s.firstBrush = SelectObject(s.backBuffer, s.brush);
    ReleaseDC(window, screen);
    return s.backBuffer && s.backBitmap && s.brush;
}

static void ReleaseBackBuffer()
{
    CalendarState& s = s_calendar;
    if (!s.backBuffer) {
        return;
    }
    SelectObject(s.backBuffer, s.firstBrush);
    SelectObject(s.backBuffer, s.firstBitmap);
    DeleteDC(s.backBuffer);
    DeleteObject(s.backBitmap);
    s.backBuffer = nullptr;
    s.backBitmap = nullptr;
    ReleasePaintFonts(&s.fonts);
}

// The cell colours and the transparency flag are read where the program
// changes them, so that a refresh reads no file.
static void ReadLookSettings()
{
    s_calendar.cellColors = ReadCellColors(kSettingsFile);
    s_calendar.transparent = ReadTransparent(kSettingsFile);
}

// An invalid design count or number ends the program unsaved. A failed
// creation destroys the window, but not every system sends it the destroy
// message that would end the loop: end it here.
static LRESULT AbandonCreation()
{
    s_calendar.resourcesReleased = true;
    ReleaseBackBuffer();
    DeleteObject(s_calendar.brush);
    s_calendar.brush = nullptr;
    PostQuitMessage(0);
    return -1;
}

static LRESULT OnCreate(HWND window)
{
    TraceStep("calendar creation");
    CalendarState& s = s_calendar;
    s = CalendarState{};
    srand((unsigned)time(nullptr));
    s.registry.unregisteredChange = DecideFirstStart(window);
    CreateBackBuffer(window);
    ApplyTransparencyIfSet(window);
    ReadLookSettings();
    ReadNow();
    // Before the first frame, which placing the window brings.
    UpdateHolidays(&s.holidays);
    if (!LoadSettings(kSettingsFile, window, &s.design, &s.memo, &s.registry)) {
        return AbandonCreation();
    }
    LoadContextMenu();
    PrepareTrayIcon(window);
    RegisterTaskbarCreated();
    // Tooltips only matter once the pointer rests on the calendar: made by
    // a one-shot timer, which comes after the first paint, they do not
    // delay the first frame.
    SetTimer(window, IDT_FIRST_FRAME_SHOWN, USER_TIMER_MINIMUM, nullptr);
    PrepareMemoBuffer();
    EnsureFolder(kMemoFolder);
    EnsureFolder(kImageFolder);
    RunStartupDesignChange(window, &s);
    UpdateDesignMenu(s.registry);
    SetTimer(window, IDT_CLOCK, kClockPeriodMs, nullptr);
    if (s.refreshCount == 0) {
        RequestRefresh(window);   // placing the window did not resize it
    }
    TraceStep("calendar created");
    return 0;
}

// The common controls (loaded on first use) are needed first by the
// tooltips; both come once the first frame is on the screen, and so does
// any warning, in front of the calendar it is about. So does the working
// copy, which only the design list reads, and which it makes afresh at
// each opening: a list opened before this timer came has made its own and
// may have changed it, which a copy now would undo.
static void OnFirstFrameShown(HWND window)
{
    KillTimer(window, IDT_FIRST_FRAME_SHOWN);
    DiscardPictureReadAhead();   // the start chose another picture
    if (!s_calendar.designList) {
        CopySettingsFile(kSettingsFile, kWorkingFile);
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CreateTooltips(window, AppInstance(), s_calendar.memo);
    if (TooltipsOn()) {
        SetTooltipsActive(true);
    }
    WarnWhenMemosCannotBeKept(window);
    if (FirstStartNotSaved()) {
        TellSettingsNotSaved(window);
    }
    TellStartupChangeCalledOff(window, &s_calendar);
    TellHolidayFileRefused(&s_calendar.holidays);
    TraceStep("deferred work done");
}

// --- refresh and paint ----------------------------------------------------

// The shown month: the current one moved by the month offset, or the
// current one again when the offset leaves the reachable years.
static DateTime ShownMonth()
{
    CalendarState& s = s_calendar;
    DateTime shown = s.now;
    if (s.monthOffset == 0 || !ApplyMonthOffset(s.now, s.monthOffset, &shown)) {
        s.monthOffset = 0;
        shown = s.now;
    }
    return shown;
}

static void OnRefresh(HWND window)
{
    CalendarState& s = s_calendar;
    if (!s.backBuffer) {
        return;   // after the close order nothing is left to paint into
    }
    ++s.refreshCount;
    SetTooltipsActive(false);
    // What the cells show may have changed (a memo written, another month):
    // the next move over a cell reads its tooltip afresh.
    InvalidateDayTooltip();

    RECT client;
    GetClientRect(window, &client);
    const DateTime shown = ShownMonth();
    const MonthView view = {{client.left, client.top, client.right, client.bottom},
                            shown.year,
                            shown.month,
                            s.now,
                            s.brush,
                            s.cellColors,
                            s.transparent,
                            &s.holidays.table};
    PaintMonth(s.backBuffer, view, &s.design, &s.layout, &s.fonts);
    // The paint handler copies from the picture; erasing would only flicker.
    InvalidateRect(window, nullptr, FALSE);
    if (TooltipsOn()) {
        SetTooltipsActive(true);
    }
}

static void OnPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (s_calendar.backBuffer) {
        const RECT& r = ps.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, s_calendar.backBuffer, r.left, r.top,
               SRCCOPY);
    }
    EndPaint(window, &ps);
    if (!s_calendar.framePainted) {
        s_calendar.framePainted = true;
        TraceStep("first frame painted");
    }
}

static void StepMonths(HWND window, int months)
{
    s_calendar.monthOffset += months;
    RequestRefresh(window);
}

// The minute is what the clock and the date display show; a repaint on every
// other tick would redraw an identical picture. A new minute also looks at
// the holiday file, whose change shows in this very repaint.
static void OnClockTick(HWND window)
{
    ReadNow();
    if (!RunTimerDesignChange(window, &s_calendar)) {
        return;
    }
    UpdateHolidays(&s_calendar.holidays);
    RequestRefresh(window);
    TellHolidayFileRefused(&s_calendar.holidays);
}

// Cancel leaves the clock to the calendar to start again; after OK the
// apply message that follows starts it.
static void OnDesignListClosed(HWND window, WPARAM confirmed)
{
    KeepChosenDesignOnce(&s_calendar, confirmed != 0);
    if (!confirmed) {
        SetTimer(window, IDT_CLOCK, kClockPeriodMs, nullptr);
    }
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
    CalendarState& s = s_calendar;
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
    int cell = HitTestCell(s.layout, pt);
    if (cell != kNoCell) {
        FormatDateLine(s.layout.dates.cells[cell], s.dateLine, sizeof s.dateLine);
        ArmDayTooltip(cell, s.layout.cellRects[cell], s.dateLine, s.layout.dates.cells[cell], pt,
                      &s.holidays.table);
    } else {
        ForgetHover();
        UpdateHeaderHints(pt, s.layout);
    }
}

static void AskToExit(HWND window)
{
    if (MessageBoxA(window, kExitQuestion, kExitCaption, MB_ICONINFORMATION | MB_YESNO) == IDYES) {
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
}

static void OnHeaderDoubleClick(HWND window, Point pt)
{
    const HeaderCell* cell = FindHeaderCell(s_calendar.layout, pt);
    if (!cell) {
        return;
    }
    switch (cell->action) {
    case HeaderAction::AskToExit:
        AskToExit(window);
        break;
    case HeaderAction::Command:
        // Exactly as the menu entry would.
        SendMessageA(window, WM_COMMAND, (WPARAM)cell->value, 0);
        break;
    case HeaderAction::StepMonths:
        StepMonths(window, cell->value);
        break;
    }
}

static void OnDoubleClick(HWND window, LPARAM lParam)
{
    Point pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    RECT client;
    GetClientRect(window, &client);
    int height = client.bottom;
    if (pt.y < height / kLayoutRows) {
        s_calendar.monthOffset = 0;
        RequestRefresh(window);
    } else if (pt.y > height / 4) {
        // Below the header: the memo of the day last hovered, even from the
        // strip under the last row.
        SendMessageA(window, WM_COMMAND, IDM_EDIT_MEMO, 0);
    } else {
        OnHeaderDoubleClick(window, pt);
    }
}

// Dragged by its edges the window stays within the sizes that a start
// accepts, so the size it is closed at is the one it opens at.
static void OnGetMinMaxInfo(MINMAXINFO* info)
{
    const WindowSizeLimits limits = WindowSizeLimitsFor(GetSystemMetrics(SM_CXSCREEN),
                                                        GetSystemMetrics(SM_CYSCREEN));
    info->ptMinTrackSize = {limits.least.cx, limits.least.cy};
    info->ptMaxTrackSize = {limits.most.cx, limits.most.cy};
}

static void OnRightButtonDown(HWND window, LPARAM lParam)
{
    Point pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    ShowContextMenu(window, HitTestCell(s_calendar.layout, pt) != kNoCell);
}

static bool SaveBackground(const BackgroundRecord& background)
{
    SettingsEdit edit;
    if (!BeginSettingsEdit(kSettingsFile, &edit)) {
        return false;
    }
    WriteBackground(&edit, background);
    return CommitSettingsEdit(&edit);
}

// A picture dropped on the calendar becomes its background at once; of
// several files the first is used.
static void OnDropFiles(HWND window, HDROP drop)
{
    CalendarState& s = s_calendar;
    char path[kPicturePathSize];
    char converted[kAppPathSize];
    const UINT length = DragQueryFileA(drop, 0, path, sizeof path);
    DragFinish(drop);
    BackgroundRecord background;
    if (length == 0 || length >= sizeof path || !ConvertedPicturePath(converted, sizeof converted) ||
        !ApplyPictureBrush(s.backBuffer, path, converted, &s.brush, &background)) {
        return;
    }
    s.keepStoredBrush = false;
    if (!SaveBackground(background)) {
        TellSettingsNotSaved(window);
    }
    s.registry.unregisteredChange = 1;
    UpdateDesignMenu(s.registry);
    RequestRefresh(window);
}

static void OnCommand(HWND window, WPARAM wParam)
{
    const int command = LOWORD(wParam);
    bool refresh = false;
    if (!HandleDesignCommand(window, command, &s_calendar, &refresh)) {
        refresh = HandleCommand(window, command, s_calendar.dateLine);
    }
    if (refresh) {
        RequestRefresh(window);
    }
}

static void OnApplyDesign(HWND window, WPARAM number, LPARAM count)
{
    ApplyDesignToCalendar(window, &s_calendar, (uint32_t)number, (uint32_t)count);
    RequestRefresh(window);
}

// --- close ----------------------------------------------------------------

static const char kExitNotSaved[] =
    "設定ファイルを保存できませんでした。ディスクの空き容量を確認してください。\n"
    "設定ファイルが読み取り専用になっていないか、ほかのプログラムが開いていないかも確認してください。\n\n"
    "「再試行」でもう一度保存します。「キャンセル」では保存せずに終了します。";
static const char kExitNotSavedCaption[] = "『ポルカミナ』";

static bool SaveOnce(HWND window)
{
    const CalendarState& s = s_calendar;
    SettingsEdit edit;
    if (!BeginSettingsEdit(kSettingsFile, &edit)) {
        return false;
    }
    SaveSettings(&edit, window, s.keepStoredBrush ? nullptr : s.brush, s.design, s.memo, s.registry);
    WriteShortcutFlags(&edit);
    return CommitSettingsEdit(&edit);
}

// Everything the calendar holds, with the shortcut flags, in one save. When
// the user is there to answer, a save that fails may be tried again once
// space has been freed; pelmo.ini stays as it was until one succeeds.
static void SaveEverything(HWND window, bool ask)
{
    while (!SaveOnce(window) && ask &&
           MessageBoxA(window, kExitNotSaved, kExitNotSavedCaption, MB_ICONERROR | MB_RETRYCANCEL) ==
               IDRETRY) {
    }
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
    CalendarState& s = s_calendar;
    if (s.resourcesReleased) {
        return;
    }
    s.resourcesReleased = true;
    ShowWindow(window, SW_RESTORE);   // so the normal rectangle is saved
    ReleaseBackBuffer();
    SaveEverything(window, !s.endingSession);
    DeleteObject(s.brush);
    s.brush = nullptr;
    DestroyContextMenu();
    RemoveTrayIcon();
    DestroyTooltipResources();
    ReleaseMemoBuffer();
    ReleaseMemoMarks();
    DeleteWorkingFile();
}

// A log-off can still be cancelled by another program: save now, keep the
// picture and brush until the session really ends.
static LRESULT OnQueryEndSession(HWND window)
{
    if (!s_calendar.resourcesReleased) {
        ShowWindow(window, SW_RESTORE);
        SaveEverything(window, false);
    }
    return TRUE;
}

static void OnEndSession(HWND window, WPARAM ending)
{
    if (ending) {
        s_calendar.endingSession = true;
        RunCloseOrder(window);
    }
}

// --- the procedure ----------------------------------------------------------

// Longer than a function should be, and no harder to read for it: each case
// only hands its message to its handler above.
// NOLINTNEXTLINE(readability-function-size)
LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
    case WM_PELMO_REFRESH:
        OnRefresh(window);
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo((MINMAXINFO*)lParam);
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
        } else if (wParam == IDT_FIRST_FRAME_SHOWN) {
            OnFirstFrameShown(window);
        } else if (wParam == IDT_TRAY_RETRY) {
            OnTrayRetryTimer();
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
    case WM_DROPFILES:
        OnDropFiles(window, (HDROP)wParam);
        return 0;
    case WM_PELMO_APPLY_DESIGN:
        OnApplyDesign(window, wParam, lParam);
        return 0;
    case WM_PELMO_DESIGN_LIST_CLOSED:
        OnDesignListClosed(window, wParam);
        return 0;
    case WM_PELMO_TRAY:
        OnTrayNotification(window, wParam, lParam);
        return 0;
    default:
        if (IsTaskbarCreated(message)) {
            OnTaskbarCreated(window);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
