// The design list window: the registered designs of the working copy
// temp.ini with a live preview, moved, deleted and chosen there; pelmo.ini
// is replaced only by OK. The window lives as long as the calendar and is
// only shown and hidden in between.
#include "dialogs/design_list.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "design/design_apply.h"
#include "design/design_registry.h"
#include "design/working_copy.h"
#include "dialogs/auto_change_controls.h"
#include "memo/month_view.h"
#include "platform/app_folder.h"
#include "platform/clock.h"
#include "res/resource.h"
#include "settings/settings_copy.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"
#include "view/brush_slot.h"
#include "view/layout.h"
#include "view/paint.h"
#include "view/picture_cache.h"

static const char kTitle[] = "デザイン選択";
static const int kWidth = 470;
static const int kHeight = 315;
static const int kSurfaceWidth = 500;
static const int kSurfaceHeight = 800;
static const Rect kPreviewRect = {110, 30, 320, 230};
// The preview with its label: no control lies there, so a new preview
// repaints none of them.
static const RECT kPreviewArea = {110, 0, 320, 230};
static const char kFontFace[] = "ＭＳ Ｐゴシック";
static const int kFontHeight = 15;
static const char kDeleteQuestion[] =
    "リストからこのデザインを削除しますか？\nここで「はい」を選択してリストから削除しても\n"
    "キャンセルボタンを押すとデザインは削除されません";
static const char kBackupFile[] = "pelmo.ini.bak";

struct DesignListState {
    HWND window;
    HWND owner;    // the calendar, disabled while the list is shown
    HDC surface;   // labels and preview; painting copies from it
    HBITMAP bitmap;
    HGDIOBJ firstBitmap, firstBrush, firstFont;
    HBRUSH face;      // the window's button-face background
    HBRUSH preview;   // the previewed design's background
    HFONT font;
    DesignRecord design;            // the previewed design
    const HolidayTable* holidays;   // the calendar's
    CalendarLayout layout;
    PaintFonts fonts;
    uint32_t count;
    unsigned previews;   // counts previews, so that one cut short by another is not painted
    // The pictures previewed while the list is shown, so that flipping
    // back to one costs no file: released when the list is hidden.
    PictureCache pictures;
    // Set when the program starts; the first confirmed deletion clears it.
    bool askBeforeDelete;
};

static DesignListState s_list;

HWND CreateDesignListWindow(HWND calendar, const HolidayTable* holidays)
{
    const HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(calendar, GWLP_HINSTANCE);
    return CreateWindowExA(0, PELMO_DESIGN_LIST_CLASS, kTitle, WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                           kWidth, kHeight, calendar, nullptr, instance, (LPVOID)holidays);
}

// --- creation ---------------------------------------------------------------

struct ControlSpec {
    int id;
    const char* className;
    DWORD style;
    const char* text;
    int left, top, width, height;
};

static const DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
static const ControlSpec kControls[] = {
    {IDC_DESIGN_LIST, "LISTBOX", kChild | WS_BORDER | WS_VSCROLL | LBS_SORT | LBS_NOTIFY, "", 25, 30, 60,
     200},
    {IDC_DESIGN_UP, "BUTTON", kChild | BS_PUSHBUTTON, "上 へ", 360, 54, 60, 21},
    {IDC_DESIGN_DOWN, "BUTTON", kChild | BS_PUSHBUTTON, "下 へ", 360, 76, 60, 21},
    {IDC_AUTO_CHANGE, "BUTTON", kChild | BS_AUTOCHECKBOX, "自動変更", 345, 107, 90, 25},
    {IDC_AUTO_AT_STARTUP, "BUTTON", kChild | WS_DISABLED | BS_AUTOCHECKBOX, "起動時", 360, 131, 90, 21},
    {IDC_AUTO_HOURLY, "BUTTON", kChild | WS_DISABLED | BS_AUTOCHECKBOX, "毎時", 360, 151, 90, 21},
    {IDC_AUTO_LIST_ORDER, "BUTTON", kChild | WS_DISABLED | WS_GROUP | BS_AUTORADIOBUTTON, "リスト順", 360,
     184, 90, 21},
    {IDC_AUTO_RANDOM, "BUTTON", kChild | WS_DISABLED | BS_AUTORADIOBUTTON, "ランダム", 360, 204, 90, 21},
    {IDC_DESIGN_DELETE, "BUTTON", kChild | WS_GROUP | BS_PUSHBUTTON, "リスト削除", 15, 250, 90, 25},
    {IDOK, "BUTTON", kChild | BS_PUSHBUTTON, "O K", 245, 250, 90, 25},
    {IDCANCEL, "BUTTON", kChild | BS_PUSHBUTTON, "キャンセル", 355, 250, 90, 25},
};

static void CreateControls(HWND window, HINSTANCE instance)
{
    for (const ControlSpec& c : kControls) {
        HWND control = CreateWindowExA(0, c.className, c.text, c.style, c.left, c.top, c.width, c.height,
                                       window, (HMENU)(INT_PTR)c.id, instance, nullptr);
        SendMessageA(control, WM_SETFONT, (WPARAM)s_list.font, FALSE);
    }
}

static void DrawLabel(int x, int y, const char* text)
{
    TextOutA(s_list.surface, x, y, text, (int)strlen(text));
}

// The labels on the button face; "プレビュー" only while there is a design
// to preview.
static void DrawBasePicture(bool withPreviewLabel)
{
    const RECT all = {0, 0, kSurfaceWidth, kSurfaceHeight};
    FillRect(s_list.surface, &all, s_list.face);
    const int oldMode = SetBkMode(s_list.surface, TRANSPARENT);
    DrawLabel(15, 10, "デザインリスト");
    if (withPreviewLabel) {
        DrawLabel(180, 10, "プレビュー");
    }
    DrawLabel(345, 30, "リスト位置変更");
    SetBkMode(s_list.surface, oldMode);
}

static LRESULT OnCreate(HWND window, const CREATESTRUCTA* create)
{
    DesignListState& s = s_list;
    s = DesignListState{};
    s.window = window;
    s.owner = create->hwndParent;
    s.holidays = (const HolidayTable*)create->lpCreateParams;
    s.askBeforeDelete = true;
    HDC screen = GetDC(nullptr);
    s.surface = CreateCompatibleDC(screen);
    s.bitmap = CreateCompatibleBitmap(screen, kSurfaceWidth, kSurfaceHeight);
    ReleaseDC(nullptr, screen);
    s.face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    s.font = CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                         kFontFace);
    if (!s.surface || !s.bitmap || !s.face) {
        return -1;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CreateControls(window, create->hInstance);
    s.firstBitmap = SelectObject(s.surface, s.bitmap);
    s.firstBrush = GetCurrentObject(s.surface, OBJ_BRUSH);
    s.firstFont = SelectObject(s.surface, s.font);
    DrawBasePicture(true);
    LoadAutoChangeControls(kWorkingFile, kSettingsFile, window);
    return 0;
}

// Tab and the arrow keys move between the controls and Escape cancels, as
// in any dialog. Return is left to the control: with no default button it
// would press OK from whichever button has the focus.
bool IsDesignListMessage(MSG* msg)
{
    HWND list = s_list.window;
    if (!list || !IsWindowVisible(list) || (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)) {
        return false;
    }
    return IsDialogMessageA(list, msg) != FALSE;
}

// --- preview ----------------------------------------------------------------

static HWND List(HWND window)
{
    return GetDlgItem(window, IDC_DESIGN_LIST);
}

static int Selection(HWND window)
{
    return (int)SendMessageA(List(window), LB_GETCURSEL, 0, 0);
}

// A picture that cannot be used says so in a message with no owner (the
// calendar's own messages must not block it); while that message is up
// the list takes no input, so that no design moves or goes from under the
// preview. A preview that another one overtook meanwhile paints nothing.
static void InstallPreviewBrush(HWND window, const DesignLook& look)
{
    const bool active = GetActiveWindow() == window;
    EnableWindow(window, FALSE);
    InstallDesignBrush(s_list.surface, &s_list.preview, look, &s_list.pictures);
    EnableWindow(window, TRUE);
    if (active) {
        SetActiveWindow(window);
    }
}

// The selected design, read from temp.ini and installed as the calendar
// would install it, is painted as the calendar would show it today into the
// preview rectangle. Nothing is written into any settings file.
static void PreviewSelection(HWND window)
{
    DesignListState& s = s_list;
    const int selection = Selection(window);
    Design design;
    if (s.count == 0 || selection < 0 || !ReadDesign(kWorkingFile, (uint32_t)selection + 1, &design)) {
        return;
    }
    const unsigned preview = ++s.previews;
    SelectObject(s.surface, s.firstBrush);
    InstallPreviewBrush(window, design.look);
    if (preview != s.previews) {
        return;
    }
    DrawBasePicture(true);
    const bool transparent = design.look.transparent != 0;
    if (transparent) {
        // What shows through a transparent calendar is not known here.
        InstallBrush(s.surface, &s.preview, CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    }
    SelectObject(s.surface, s.preview);
    s.design = design.record;
    const DateTime now = ReadClock();
    const MonthView view = {kPreviewRect,           now.year,    now.month, now, s.preview,
                            design.look.cellColors, transparent, s.holidays};
    PaintMonth(s.surface, view, &s.design, &s.layout, &s.fonts);
    InvalidateRect(window, &kPreviewArea, FALSE);
}

// The entries are the numbers 1 to the count; three digits keep the
// list's own sorting numeric.
static void AddEntries(HWND window, uint32_t from, uint32_t to)
{
    for (uint32_t n = from; n <= to; ++n) {
        char entry[8];
        snprintf(entry, sizeof entry, "%03u", n);
        SendMessageA(List(window), LB_ADDSTRING, 0, (LPARAM)entry);
    }
}

static void EnableForCount(HWND window)
{
    const BOOL several = s_list.count >= 2;
    EnableWindow(GetDlgItem(window, IDC_DESIGN_UP), several);
    EnableWindow(GetDlgItem(window, IDC_DESIGN_DOWN), several);
    EnableAutoChangeControls(window, s_list.count);
}

// From the calendar, just after it copied pelmo.ini into temp.ini.
static void OnShowDesigns(HWND window, uint32_t count, uint32_t current)
{
    s_list.count = count;
    SendMessageA(List(window), LB_RESETCONTENT, 0, 0);
    AddEntries(window, 1, count);
    EnableForCount(window);
    if (current != 0 && current <= count) {
        SendMessageA(List(window), LB_SETCURSEL, current - 1, 0);
        PreviewSelection(window);
    } else {
        DrawBasePicture(count != 0);
        InvalidateRect(window, nullptr, FALSE);
    }
}

// --- moving and deleting ------------------------------------------------------

// The two designs trade places in temp.ini as they are stored, and the
// selection follows the one that moved; the preview stays as it is.
static void MoveSelection(HWND window, int step)
{
    const int selection = Selection(window);
    const int target = selection + step;
    if (s_list.count < 2 || selection < 0 || target < 0 || target >= (int)s_list.count) {
        return;
    }
    if (!SwapDesigns(kWorkingFile, (uint32_t)selection + 1, step, s_list.count)) {
        TellSettingsNotSaved(window);
        return;
    }
    SendMessageA(List(window), LB_SETCURSEL, target, 0);
}

static bool ConfirmDelete(HWND window, int selection)
{
    if (!s_list.askBeforeDelete) {
        return true;
    }
    char caption[32];
    snprintf(caption, sizeof caption, "リスト No.%03d", selection + 1);
    if (MessageBoxA(window, kDeleteQuestion, caption, MB_ICONINFORMATION | MB_YESNO) != IDYES) {
        return false;
    }
    s_list.askBeforeDelete = false;
    return true;
}

static void DeleteSelection(HWND window)
{
    DesignListState& s = s_list;
    int selection = Selection(window);
    if (s.count == 0 || selection < 0 || !ConfirmDelete(window, selection)) {
        return;
    }
    const uint32_t before = s.count;
    if (!DeleteDesign(kWorkingFile, (uint32_t)selection + 1, &s.count) || s.count == before) {
        TellSettingsNotSaved(window);
        return;
    }
    // The entries are only numbers: one design fewer is the last entry gone.
    SendMessageA(List(window), LB_DELETESTRING, before - 1, 0);
    if (s.count != 0) {
        if (selection >= (int)s.count) {
            selection = (int)s.count - 1;
        }
        SendMessageA(List(window), LB_SETCURSEL, selection, 0);
        PreviewSelection(window);
    } else {
        DrawBasePicture(false);
        InvalidateRect(window, nullptr, FALSE);
    }
    EnableForCount(window);
}

// --- closing ------------------------------------------------------------------

static void Close(HWND window, bool confirmed)
{
    // The calendar first, so that it, not another program, is activated.
    EnableWindow(s_list.owner, TRUE);
    ShowWindow(window, SW_HIDE);
    ReleaseKeptPictures(&s_list.pictures);
    SendMessageA(s_list.owner, WM_PELMO_DESIGN_LIST_CLOSED, confirmed ? 1 : 0, 0);
}

// The file OK replaces is kept as pelmo.ini.bak first: a design deleted by
// mistake can be had back from it. A settings file that is not there has
// nothing to keep.
static bool KeepBackup()
{
    char path[kAppPathSize];
    return !SettingsPath(kSettingsFile, path, sizeof path) ||
           GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES ||
           CopySettingsFile(kSettingsFile, kBackupFile);
}

// pelmo.ini is replaced whole or not at all; when it cannot be, the list
// stays open with its changes, to try again or to cancel.
static void OnOk(HWND window)
{
    DesignListState& s = s_list;
    const int selection = Selection(window);
    if (!SaveAutoChangeControls(kWorkingFile, window, s.count) ||
        (s.count == 0 && !ResetWorkingCopy(kWorkingFile, kSettingsFile)) || !KeepBackup() ||
        !CopySettingsFile(kWorkingFile, kSettingsFile)) {
        TellSettingsNotSaved(window);
        return;
    }
    Close(window, true);
    SendMessageA(s.owner, WM_PELMO_APPLY_DESIGN, (WPARAM)(selection + 1), s.count);
}

// temp.ini keeps what was abandoned until the next showing overwrites it.
static void OnCancel(HWND window)
{
    Close(window, false);
    LoadAutoChangeControls(kSettingsFile, kSettingsFile, window);
}

static void OnCommand(HWND window, WPARAM wParam)
{
    const int id = LOWORD(wParam);
    switch (id) {
    case IDC_DESIGN_LIST:
        PreviewSelection(window);
        break;
    case IDC_DESIGN_UP:
        MoveSelection(window, -1);
        break;
    case IDC_DESIGN_DOWN:
        MoveSelection(window, 1);
        break;
    case IDC_DESIGN_DELETE:
        DeleteSelection(window);
        break;
    case IDC_AUTO_CHANGE:
    case IDC_AUTO_AT_STARTUP:
    case IDC_AUTO_HOURLY:
        OnAutoChangeClick(window, id);
        break;
    case IDOK:
        OnOk(window);
        break;
    case IDCANCEL:
        OnCancel(window);
        break;
    }
}

// --- painting and end ---------------------------------------------------------

static void OnPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const RECT& r = ps.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, s_list.surface, r.left, r.top, SRCCOPY);
    EndPaint(window, &ps);
}

// Check boxes and radio buttons sit on the button face without boxes.
static LRESULT OnControlColour(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    return (LRESULT)s_list.face;
}

static void OnDestroy()
{
    DesignListState& s = s_list;
    if (s.surface) {
        SelectObject(s.surface, s.firstBitmap);
        SelectObject(s.surface, s.firstBrush);
        SelectObject(s.surface, s.firstFont);
        ReleasePaintFonts(&s.fonts);
        DeleteDC(s.surface);
    }
    DeleteObject(s.bitmap);
    DeleteObject(s.face);
    DeleteObject(s.preview);
    DeleteObject(s.font);
    ReleaseKeptPictures(&s.pictures);
    s = DesignListState{};
}

LRESULT CALLBACK DesignListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, (const CREATESTRUCTA*)lParam);
    case WM_PELMO_SHOW_DESIGNS:
        OnShowDesigns(window, (uint32_t)wParam, (uint32_t)lParam);
        return 0;
    case WM_COMMAND:
        OnCommand(window, wParam);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnControlColour((HDC)wParam);
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_CLOSE:
        OnCancel(window);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
