// The settings sheet's memo page: the character sizes of the memo editor and
// tooltips, the tooltips' largest width, and the backgrounds of dates that
// carry a memo. The sizes go to the calendar's memo display settings, the
// colours straight to pelmo.ini.
#include "dialogs/page_memo.h"

#include <commctrl.h>

#include "dialogs/page_memo_values.h"
#include "res/resource.h"
#include "settings/settings_defaults.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "view/fonts.h"

static const char kEditorSampleText[] = "あいうabc ABC 123";
static const char kTooltipSampleText[] = "あいうabc ABC 456";
static const COLORREF kSampleBackground = RGB(255, 255, 255);   // the white stock brush
// Room for any width the box can be made to hold that still matters: longer
// texts are far out of range whatever their last digits.
static const int kWidthTextSize = 32;
static const int kSeparatorSize = 8;   // the locale allows four characters

// One character size and the font of its sample.
struct SizeSample {
    int32_t height;
    HFONT font;
};

// One marked-date colour and the brush of its sample.
struct ColourSample {
    COLORREF colour;
    HBRUSH brush;
};

struct MemoPageState {
    SheetTarget* sheet;
    MemoDisplaySettings* target;   // null only for a page made without one
    SizeSample editor;
    SizeSample tooltip;
    ColourSample today;   // MARKED TODAYCOLOR
    ColourSample other;   // MARKED COLOR
    bool coloursChanged;
};

static MemoPageState s_memo;

static void ShowSampleFont(HWND page, int control, SizeSample* sample, int32_t height)
{
    sample->height = height;
    HFONT font = CreateMemoFont(height);
    if (!font) {
        return;   // the sample keeps showing the last size that could be made
    }
    SendDlgItemMessageA(page, control, WM_SETFONT, (WPARAM)font, TRUE);
    if (sample->font) {
        DeleteObject(sample->font);
    }
    sample->font = font;
}

static void ShowSampleColour(HWND page, int control, ColourSample* sample, COLORREF colour)
{
    sample->colour = colour;
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush) {
        if (sample->brush) {
            DeleteObject(sample->brush);
        }
        sample->brush = brush;
    }
    InvalidateRect(GetDlgItem(page, control), nullptr, FALSE);
}

// The samples let go of their fonts before these are deleted, so that
// nothing paints with a deleted object while the sheet closes.
static void FreeSamples(HWND page)
{
    SendDlgItemMessageA(page, IDC_MEMO_EDITOR_SAMPLE, WM_SETFONT, 0, FALSE);
    SendDlgItemMessageA(page, IDC_MEMO_TIP_SAMPLE, WM_SETFONT, 0, FALSE);
    HGDIOBJ made[] = {s_memo.editor.font, s_memo.tooltip.font, s_memo.today.brush, s_memo.other.brush};
    for (HGDIOBJ object : made) {
        if (object) {
            DeleteObject(object);
        }
    }
    s_memo.editor.font = nullptr;
    s_memo.tooltip.font = nullptr;
    s_memo.today.brush = nullptr;
    s_memo.other.brush = nullptr;
}

static void ThousandsSeparator(char* separator, int size)
{
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, size)) {
        separator[0] = '\0';
    }
}

// The up-down keeps its last valid position when the box holds something it
// cannot take; a number out of range is brought to the nearer end instead,
// and the box shows what was kept. Text the up-down accepts stays as typed.
static int32_t SettleTooltipWidth(HWND page)
{
    HWND spin = GetDlgItem(page, IDC_MEMO_TIP_WIDTH_SPIN);
    BOOL refused = FALSE;
    int32_t width = (int32_t)SendMessageA(spin, UDM_GETPOS32, 0, (LPARAM)&refused);
    if (!refused) {
        return width;
    }
    char text[kWidthTextSize] = "";
    char separator[kSeparatorSize];
    GetDlgItemTextA(page, IDC_MEMO_TIP_WIDTH, text, sizeof text);
    ThousandsSeparator(separator, sizeof separator);
    int64_t typed;
    width = ClampTooltipWidth(ParseTypedNumber(text, separator, &typed) ? typed : width);
    SendMessageA(spin, UDM_SETPOS32, 0, width);
    return width;
}

static void OpenMemoPage(HWND page, SheetTarget* target)
{
    s_memo = {};
    s_memo.sheet = target;
    s_memo.target = target ? target->memo : nullptr;
    MemoDisplaySettings stored = {kDefaultTooltipFontHeight, kDefaultEditorFontHeight, kDefaultTooltipWidth};
    if (s_memo.target) {
        stored = *s_memo.target;
    }
    MemoDisplaySettings sizes = SoundMemoSettings(stored);
    ShowSampleFont(page, IDC_MEMO_EDITOR_SAMPLE, &s_memo.editor, sizes.editorFontHeight);
    ShowSampleFont(page, IDC_MEMO_TIP_SAMPLE, &s_memo.tooltip, sizes.tooltipFontHeight);

    // The template already gives the up-down its buddy; setting the same
    // one again would narrow the box a second time. The range runs from
    // 1000 down to 100, so the up arrow narrows the tooltip.
    HWND spin = GetDlgItem(page, IDC_MEMO_TIP_WIDTH_SPIN);
    HWND widthBox = GetDlgItem(page, IDC_MEMO_TIP_WIDTH);
    if ((HWND)SendMessageA(spin, UDM_GETBUDDY, 0, 0) != widthBox) {
        SendMessageA(spin, UDM_SETBUDDY, (WPARAM)widthBox, 0);
    }
    SendMessageA(spin, UDM_SETRANGE32, kMaxTooltipWidth, kMinTooltipWidth);
    SendMessageA(spin, UDM_SETPOS32, 0, sizes.tooltipWidth);
    SetDlgItemTextA(page, IDC_MEMO_EDITOR_SAMPLE, kEditorSampleText);
    SetDlgItemTextA(page, IDC_MEMO_TIP_SAMPLE, kTooltipSampleText);

    CellColors storedColours = ReadCellColors(kSettingsFile);
    ShowSampleColour(page, IDC_MEMO_TODAY_SAMPLE, &s_memo.today, SoundColour(storedColours.markedToday));
    ShowSampleColour(page, IDC_MEMO_OTHER_SAMPLE, &s_memo.other, SoundColour(storedColours.marked));

    // A damaged value is shown as the page made it; leaving the button on
    // lets OK put in force what the page shows.
    bool sizesMended = sizes.editorFontHeight != stored.editorFontHeight ||
                       sizes.tooltipFontHeight != stored.tooltipFontHeight ||
                       sizes.tooltipWidth != stored.tooltipWidth;
    s_memo.coloursChanged = s_memo.today.colour != storedColours.markedToday ||
                            s_memo.other.colour != storedColours.marked;
    if (sizesMended || s_memo.coloursChanged) {
        MarkPageEdited(page, IDC_MEMO_UPDATE);
    } else {
        MarkPageApplied(page, IDC_MEMO_UPDATE);
    }
}

static void GrowSample(HWND page, int control, SizeSample* sample)
{
    if (sample->height >= kMaxMemoFontHeight) {
        return;
    }
    ShowSampleFont(page, control, sample, sample->height + 1);
    MarkPageEdited(page, IDC_MEMO_UPDATE);
}

static void ShrinkSample(HWND page, int control, SizeSample* sample)
{
    if (sample->height <= kMinMemoFontHeight) {
        return;
    }
    ShowSampleFont(page, control, sample, sample->height - 1);
    MarkPageEdited(page, IDC_MEMO_UPDATE);
}

static void ChooseMarkedColour(HWND page, int control, ColourSample* sample)
{
    COLORREF colour = sample->colour;
    if (!ChoosePageColour(page, &colour)) {
        return;
    }
    ShowSampleColour(page, control, sample, SoundColour(colour));
    s_memo.coloursChanged = true;
    MarkPageEdited(page, IDC_MEMO_UPDATE);
}

static bool SaveMarkedColours()
{
    SettingsEdit edit;
    if (!BeginSettingsEdit(kSettingsFile, &edit)) {
        return false;
    }
    SetSettingInt(&edit, "MARKED", "TODAYCOLOR", (int32_t)s_memo.today.colour);
    SetSettingInt(&edit, "MARKED", "COLOR", (int32_t)s_memo.other.colour);
    return CommitSettingsEdit(&edit);
}

// Colours that could not be saved change nothing and stay to be applied
// again; the sizes take effect only with them.
static bool ApplyMemoPage(HWND page)
{
    int32_t width = SettleTooltipWidth(page);
    if (s_memo.coloursChanged) {
        if (!SaveMarkedColours()) {
            TellSettingsNotSaved(page);
            return false;
        }
        s_memo.coloursChanged = false;
    }
    if (s_memo.target) {
        s_memo.target->tooltipWidth = width;
        s_memo.target->editorFontHeight = s_memo.editor.height;
        s_memo.target->tooltipFontHeight = s_memo.tooltip.height;
    }
    // A disabled button cannot keep the focus.
    if (GetFocus() == GetDlgItem(page, IDC_MEMO_UPDATE)) {
        SendMessageA(page, WM_NEXTDLGCTL, 0, FALSE);
    }
    MarkPageApplied(page, IDC_MEMO_UPDATE);
    NoteEditsApplied(s_memo.sheet);
    return true;
}

static void OnMemoCommand(HWND page, int id, int code)
{
    switch (id) {
    case IDC_MEMO_TIP_WIDTH:
        if (code == EN_UPDATE) {
            MarkPageEdited(page, IDC_MEMO_UPDATE);
        } else if (code == EN_KILLFOCUS) {
            SettleTooltipWidth(page);
        }
        break;
    case IDC_MEMO_EDITOR_BIGGER:
        GrowSample(page, IDC_MEMO_EDITOR_SAMPLE, &s_memo.editor);
        break;
    case IDC_MEMO_EDITOR_SMALLER:
        ShrinkSample(page, IDC_MEMO_EDITOR_SAMPLE, &s_memo.editor);
        break;
    case IDC_MEMO_TIP_BIGGER:
        GrowSample(page, IDC_MEMO_TIP_SAMPLE, &s_memo.tooltip);
        break;
    case IDC_MEMO_TIP_SMALLER:
        ShrinkSample(page, IDC_MEMO_TIP_SAMPLE, &s_memo.tooltip);
        break;
    case IDC_MEMO_TODAY_COLOR:
        ChooseMarkedColour(page, IDC_MEMO_TODAY_SAMPLE, &s_memo.today);
        break;
    case IDC_MEMO_OTHER_COLOR:
        ChooseMarkedColour(page, IDC_MEMO_OTHER_SAMPLE, &s_memo.other);
        break;
    case IDC_MEMO_UPDATE:
        ApplyMemoPage(page);
        break;
    }
}

// A page whose edits could not be saved keeps the sheet open on it.
static INT_PTR OnMemoNotify(HWND page, const NMHDR* header)
{
    switch (header->code) {
    case UDN_DELTAPOS:
        MarkPageEdited(page, IDC_MEMO_UPDATE);
        return FALSE;
    case PSN_APPLY:
        if (PageHasStagedEdits(page, IDC_MEMO_UPDATE) && !ApplyMemoPage(page)) {
            SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
            return TRUE;
        }
        FreeSamples(page);
        MarkPageApplied(page, IDC_MEMO_UPDATE);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    case PSN_QUERYCANCEL:
        FreeSamples(page);
        MarkPageApplied(page, IDC_MEMO_UPDATE);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR StaticColours(HDC dc, HWND control)
{
    HBRUSH sample = nullptr;
    switch (GetDlgCtrlID(control)) {
    case IDC_MEMO_EDITOR_SAMPLE:
    case IDC_MEMO_TIP_SAMPLE:
        SetBkColor(dc, kSampleBackground);
        return (INT_PTR)GetStockObject(WHITE_BRUSH);
    case IDC_MEMO_TODAY_SAMPLE:
        sample = s_memo.today.brush;
        break;
    case IDC_MEMO_OTHER_SAMPLE:
        sample = s_memo.other.brush;
        break;
    }
    if (sample) {
        return (INT_PTR)sample;
    }
    SetBkMode(dc, TRANSPARENT);
    return (INT_PTR)GetSysColorBrush(COLOR_BTNFACE);
}

static INT_PTR CALLBACK MemoPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OpenMemoPage(page, PageTarget(lParam));
        return TRUE;
    case WM_COMMAND:
        OnMemoCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        return OnMemoNotify(page, (const NMHDR*)lParam);
    case WM_CTLCOLORSTATIC:
        return StaticColours((HDC)wParam, (HWND)lParam);
    case WM_CTLCOLORDLG:
        return (INT_PTR)GetSysColorBrush(COLOR_BTNFACE);
    case WM_ERASEBKGND:
        return ErasePageFace(page, (HDC)wParam);
    case WM_DESTROY:
        FreeSamples(page);
        return FALSE;
    }
    return FALSE;
}

PROPSHEETPAGEA MemoPage(SheetTarget* target)
{
    return MakeSheetPage(IDD_PAGE_MEMO, MemoPageProc, target);
}
