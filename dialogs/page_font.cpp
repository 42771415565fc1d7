// The settings sheet's font page: a face from the Japanese or the Western
// list, bold, italic, the text size relative to the one the layout computes
// and the left shift of italic text. Edits are staged in the page and reach
// the design record with "更 新" or OK.
#include "dialogs/page_font.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "dialogs/page_font_list.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "platform/system_library.h"

// The samples are rich edit controls; this library registers their class.
static const char kRichEditLibrary[] = "RICHED32.DLL";

static const char kJapaneseSample[] = "2012年6月 月火水木金";
static const char kWesternSample[] = "June 2012 Sun Mon Tue";

static const int kMinSizeOffset = -10;
static const int kMaxSizeOffset = 20;
static const int kMinLeftShift = 0;
static const int kMaxLeftShift = 10;
// Latin-only faces look small next to Japanese ones at the same height, so
// the Western sample is drawn a little larger, as the calendar draws them.
static const LONG kJapaneseSampleHeight = 18;
static const LONG kWesternSampleHeight = 20;
static const LONG kBoldWeight = FW_BOLD;
static const COLORREF kWhite = RGB(255, 255, 255);

struct FontPageState {
    SheetTarget* target;
    DesignRecord* design;   // what "更 新" and OK write into
    LOGFONTA working;       // the face, character set and style being chosen
    int offset;             // the size offset being chosen
    bool fontChanged;
    bool shiftChanged;
};
static FontPageState s_font;

static HMODULE s_richEdit;   // loaded once, never unloaded

static int Clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

// A record read from a damaged file may hold a face without its terminator:
// at most LF_FACESIZE - 1 bytes are taken, never half a character.
static void CopyFaceName(char (&out)[LF_FACESIZE], const char (&face)[LF_FACESIZE])
{
    const size_t length = strnlen(face, LF_FACESIZE - 1);
    memmove(out, face, length);
    out[length] = '\0';
    TrimPartialCharacter(out);
}

static bool IsWestern(BYTE charset)
{
    return charset == ANSI_CHARSET;
}

static int SampleOf(bool western)
{
    return western ? IDC_FONT_WESTERN_SAMPLE : IDC_FONT_JAPANESE_SAMPLE;
}

static void SetWorkingFace(const char (&face)[LF_FACESIZE], BYTE charset)
{
    LOGFONTA& working = s_font.working;
    CopyFaceName(working.lfFaceName, face);
    working.lfCharSet = charset;
    working.lfHeight = s_font.offset + (IsWestern(charset) ? kWesternSampleHeight : kJapaneseSampleHeight);
    working.lfQuality = PROOF_QUALITY;
    working.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
}

// The rich edit takes over the font's description, not the font itself, so
// the font goes at once.
static void ShowWorkingFont(HWND page, int sample, const char* text)
{
    HFONT font = CreateFontIndirectA(&s_font.working);
    if (font) {
        SendDlgItemMessageA(page, sample, WM_SETFONT, (WPARAM)font, TRUE);
    }
    if (text) {
        SetDlgItemTextA(page, sample, text);
    }
    if (font) {
        DeleteObject(font);
    }
}

static void RefreshSamples(HWND page)
{
    HFONT font = CreateFontIndirectA(&s_font.working);
    if (!font) {
        return;
    }
    SendDlgItemMessageA(page, IDC_FONT_JAPANESE_SAMPLE, WM_SETFONT, (WPARAM)font, TRUE);
    SendDlgItemMessageA(page, IDC_FONT_WESTERN_SAMPLE, WM_SETFONT, (WPARAM)font, TRUE);
    DeleteObject(font);
}

// Only one list is open to choice at a time; the other's sample is emptied.
static void OpenList(HWND page, bool western)
{
    EnableWindow(GetDlgItem(page, IDC_FONT_JAPANESE_LIST), !western);
    EnableWindow(GetDlgItem(page, IDC_FONT_WESTERN_LIST), western);
    const int closed = SampleOf(!western);
    SetDlgItemTextA(page, closed, "");
    EnableWindow(GetDlgItem(page, closed), FALSE);
    EnableWindow(GetDlgItem(page, SampleOf(western)), TRUE);
}

// The left shift only means something for italic text.
static void EnableShift(HWND page, bool italic)
{
    EnableWindow(GetDlgItem(page, IDC_FONT_SHIFT_LABEL), italic);
    EnableWindow(GetDlgItem(page, IDC_FONT_SHIFT_SPIN), italic);
    EnableWindow(GetDlgItem(page, IDC_FONT_SHIFT), italic);
}

static void FillFontLists(HWND page)
{
    HDC dc = GetDC(page);
    FillFontList(GetDlgItem(page, IDC_FONT_JAPANESE_LIST), dc, SHIFTJIS_CHARSET);
    FillFontList(GetDlgItem(page, IDC_FONT_WESTERN_LIST), dc, ANSI_CHARSET);
    ReleaseDC(page, dc);
}

static void FillSizes(HWND page, int selected)
{
    HWND combo = GetDlgItem(page, IDC_FONT_SIZE);
    for (int offset = kMinSizeOffset; offset <= kMaxSizeOffset; ++offset) {
        char text[8];
        snprintf(text, sizeof text, "%3d", offset);
        LRESULT item = SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)text);
        if (item >= 0) {
            SendMessageA(combo, CB_SETITEMDATA, item, (LPARAM)offset);
        }
    }
    SendMessageA(combo, CB_SETCURSEL, selected - kMinSizeOffset, 0);
}

static int ShiftPosition(HWND page)
{
    BOOL failed = FALSE;
    LRESULT position = SendDlgItemMessageA(page, IDC_FONT_SHIFT_SPIN, UDM_GETPOS32, 0, (LPARAM)&failed);
    return Clamp((int)position, kMinLeftShift, kMaxLeftShift);
}

static void SetShift(HWND page, int shift)
{
    HWND spin = GetDlgItem(page, IDC_FONT_SHIFT_SPIN);
    SendMessageA(spin, UDM_SETRANGE32, kMinLeftShift, kMaxLeftShift);
    SendMessageA(spin, UDM_SETPOS32, 0, Clamp(shift, kMinLeftShift, kMaxLeftShift));
}

// Stored values out of range show as the nearest the page offers; a face no
// longer installed selects nothing, and its sample still asks for it.
static void OpenFontPage(HWND page, LPARAM init)
{
    SheetTarget* target = PageTarget(init);
    s_font = {};
    s_font.target = target;
    s_font.design = target ? target->design : nullptr;
    MarkPageApplied(page, IDC_FONT_UPDATE);
    if (!s_font.design) {
        return;
    }
    const DesignRecord& design = *s_font.design;
    s_font.offset = Clamp(design.sizeOffset, kMinSizeOffset, kMaxSizeOffset);
    FillFontLists(page);

    const bool western = IsWestern(design.font.lfCharSet);
    CheckRadioButton(page, IDC_FONT_JAPANESE, IDC_FONT_WESTERN,
                     western ? IDC_FONT_WESTERN : IDC_FONT_JAPANESE);
    OpenList(page, western);
    SetWorkingFace(design.font.lfFaceName, western ? ANSI_CHARSET : SHIFTJIS_CHARSET);
    const bool italic = design.font.lfItalic != 0;
    s_font.working.lfItalic = italic ? TRUE : FALSE;
    s_font.working.lfWeight = design.font.lfWeight;
    ShowWorkingFont(page, SampleOf(western), nullptr);
    // An empty face would select the first entry, which the record does not name.
    if (s_font.working.lfFaceName[0]) {
        SendDlgItemMessageA(page, western ? IDC_FONT_WESTERN_LIST : IDC_FONT_JAPANESE_LIST, LB_SELECTSTRING,
                            (WPARAM)-1, (LPARAM)s_font.working.lfFaceName);
    }

    CheckDlgButton(page, IDC_FONT_BOLD, design.font.lfWeight >= kBoldWeight ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_FONT_ITALIC, italic ? BST_CHECKED : BST_UNCHECKED);
    EnableShift(page, italic);
    FillSizes(page, s_font.offset);
    SetShift(page, design.leftShift);
}

static void MarkFontChanged(HWND page)
{
    s_font.fontChanged = true;
    MarkPageEdited(page, IDC_FONT_UPDATE);
}

// Every notification of a list with a selection takes the selected face, so
// a face reached by the keyboard counts as much as a click.
static void OnFacePicked(HWND page, int listId)
{
    HWND list = GetDlgItem(page, listId);
    const LRESULT item = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (item == LB_ERR) {
        return;
    }
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, item, 0);
    if (length == LB_ERR || length >= LF_FACESIZE) {
        return;
    }
    char face[LF_FACESIZE] = {};
    SendMessageA(list, LB_GETTEXT, item, (LPARAM)face);
    const bool western = listId == IDC_FONT_WESTERN_LIST;
    const BYTE charset = western ? ANSI_CHARSET : SHIFTJIS_CHARSET;
    // The same face in the other list is a change too: its character set
    // decides the calendar's formats.
    if (strcmp(face, s_font.working.lfFaceName) != 0 || charset != s_font.working.lfCharSet) {
        MarkFontChanged(page);
    }
    SetWorkingFace(face, charset);
    ShowWorkingFont(page, SampleOf(western), western ? kWesternSample : kJapaneseSample);
}

static void OnSizeChosen(HWND page)
{
    HWND combo = GetDlgItem(page, IDC_FONT_SIZE);
    const LRESULT item = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR || !s_font.design) {
        return;
    }
    const int offset = (int)SendMessageA(combo, CB_GETITEMDATA, item, 0);
    s_font.offset = Clamp(offset, kMinSizeOffset, kMaxSizeOffset);
    if (s_font.offset != s_font.design->sizeOffset) {
        MarkFontChanged(page);
    }
    const bool japaneseOpen = IsWindowEnabled(GetDlgItem(page, IDC_FONT_JAPANESE_SAMPLE)) != 0;
    s_font.working.lfHeight = s_font.offset + (japaneseOpen ? kJapaneseSampleHeight : kWesternSampleHeight);
    RefreshSamples(page);
}

static void OnBoldClicked(HWND page)
{
    MarkFontChanged(page);
    s_font.working.lfWeight = IsDlgButtonChecked(page, IDC_FONT_BOLD) == BST_CHECKED ? kBoldWeight : 0;
    RefreshSamples(page);
}

static void OnItalicClicked(HWND page)
{
    MarkFontChanged(page);
    s_font.shiftChanged = true;
    const bool italic = IsDlgButtonChecked(page, IDC_FONT_ITALIC) == BST_CHECKED;
    s_font.working.lfItalic = italic ? TRUE : FALSE;
    EnableShift(page, italic);
    RefreshSamples(page);
}

static void OnShiftMoved(HWND page)
{
    s_font.shiftChanged = true;
    MarkPageEdited(page, IDC_FONT_UPDATE);
}

static void UpdateFontPage(HWND page)
{
    DesignRecord* design = s_font.design;
    if (design && s_font.shiftChanged) {
        // Upright text is never shifted, whatever the up-down shows.
        design->leftShift = s_font.working.lfItalic ? ShiftPosition(page) : 0;
    }
    if (design && s_font.fontChanged) {
        design->font.lfCharSet = s_font.working.lfCharSet;
        CopyFaceName(design->font.lfFaceName, s_font.working.lfFaceName);
        design->font.lfItalic = s_font.working.lfItalic;
        design->font.lfWeight = s_font.working.lfWeight;
        design->sizeOffset = s_font.offset;
    }
    s_font.shiftChanged = false;
    s_font.fontChanged = false;
    MarkPageApplied(page, IDC_FONT_UPDATE);
    NoteEditsApplied(s_font.target);
}

// A Western font cannot show the Japanese title or weekday names: the
// record takes their English forms as the font is applied.
static void OnApply(HWND page)
{
    if (PageHasStagedEdits(page, IDC_FONT_UPDATE)) {
        UpdateFontPage(page);
        if (s_font.design) {
            AdjustFormatsForFont(s_font.design);
        }
    }
    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
}

static void OnCancel(HWND page)
{
    s_font.fontChanged = false;
    s_font.shiftChanged = false;
    SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);
}

static INT_PTR OnNotify(HWND page, const NMHDR* header)
{
    switch (header->code) {
    case PSN_APPLY:
        OnApply(page);
        return TRUE;
    case PSN_QUERYCANCEL:
        OnCancel(page);
        return TRUE;
    case UDN_DELTAPOS:
        if (header->idFrom == IDC_FONT_SHIFT_SPIN) {
            OnShiftMoved(page);
        }
        return FALSE;   // the move goes ahead
    }
    return FALSE;
}

static void OnCommand(HWND page, int id, int code)
{
    switch (id) {
    case IDC_FONT_JAPANESE_LIST:
    case IDC_FONT_WESTERN_LIST:
        OnFacePicked(page, id);
        break;
    case IDC_FONT_JAPANESE:
    case IDC_FONT_WESTERN:
        if (code == BN_CLICKED) {
            OpenList(page, id == IDC_FONT_WESTERN);
        }
        break;
    case IDC_FONT_SIZE:
        if (code == CBN_SELENDOK) {
            OnSizeChosen(page);
        }
        break;
    case IDC_FONT_BOLD:
        if (code == BN_CLICKED) {
            OnBoldClicked(page);
        }
        break;
    case IDC_FONT_ITALIC:
        if (code == BN_CLICKED) {
            OnItalicClicked(page);
        }
        break;
    case IDC_FONT_UPDATE:
        if (code == BN_CLICKED) {
            UpdateFontPage(page);
        }
        break;
    }
}

static INT_PTR OnStaticColour(HWND page, HDC dc, HWND control)
{
    if (control == GetDlgItem(page, IDC_FONT_SHIFT)) {
        SetBkColor(dc, kWhite);
        return (INT_PTR)GetStockObject(WHITE_BRUSH);
    }
    SetBkMode(dc, TRANSPARENT);
    return (INT_PTR)GetSysColorBrush(COLOR_BTNFACE);
}

static INT_PTR CALLBACK FontPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OpenFontPage(page, lParam);
        return TRUE;
    case WM_COMMAND:
        OnCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, (const NMHDR*)lParam);
    case WM_CTLCOLORSTATIC:
        return OnStaticColour(page, (HDC)wParam, (HWND)lParam);
    case WM_CTLCOLORDLG:
        return (INT_PTR)GetSysColorBrush(COLOR_BTNFACE);
    case WM_ERASEBKGND:
        return ErasePageFace(page, (HDC)wParam);
    case WM_DESTROY:
        s_font = {};
        return FALSE;
    }
    return FALSE;
}

// The page's template names the rich edit class, which must be registered
// before the sheet creates the page; the library comes from the system
// folder only, never from the program's or the current folder.
PROPSHEETPAGEA FontPage(SheetTarget* target)
{
    if (!s_richEdit) {
        s_richEdit = LoadSystemLibrary(kRichEditLibrary);
    }
    return MakeSheetPage(IDD_PAGE_FONT, FontPageProc, target);
}
