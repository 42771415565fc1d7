// The settings sheet's text page: the six text colours, the title and
// weekday formats, the clock and the partition lines of the design in
// memory. Its edits wait in the page until "更 新" or OK; only the fix-up
// that a font without Japanese glyphs needs goes into the design at once.
#include "dialogs/page_text.h"

#include "core/dates.h"
#include "dialogs/page_text_samples.h"
#include "res/resource.h"
#include "view/layout.h"

static const int kColours = IDC_TEXT_OTHER_COLOUR - IDC_TEXT_TITLE_COLOUR + 1;
static const int kTitleFormats = IDC_TEXT_TITLE_NUMERIC - IDC_TEXT_TITLE_JAPANESE + 1;
static const int kWeekdayFormats = IDC_TEXT_WEEKDAY_MIXED3 - IDC_TEXT_WEEKDAY_JAPANESE + 1;
static const int kJapaneseWeekdays = 0;
static const int kLetterWeekdays = 1;

// The design's colours in the order of their buttons.
static COLORREF DesignRecord::*const kColourFields[kColours] = {
    &DesignRecord::titleColor,  &DesignRecord::weekdayColor, &DesignRecord::saturdayColor,
    &DesignRecord::sundayColor, &DesignRecord::holidayColor, &DesignRecord::otherMonthColor,
};

struct TextPageState {
    SheetTarget* target;
    DesignRecord* design;
    HBRUSH* background;   // the calendar's brush slot, as last applied
    int titleFormat;
    int weekdayFormat;
    int partition;
    COLORREF colours[kColours];
    bool formatChanged;
    bool colourChanged;
    HFONT sampleFont;
    HBITMAP preview;
};

static TextPageState s_text;

// A damaged file may hold any number. The page shows the choice the
// calendar draws for it: unknown formats are drawn as the Japanese ones,
// unknown partitions with every line, and only one clock value shows a clock.
static int TitleChoice(uint16_t format)
{
    return format < kTitleFormats ? format : kTitleJapanese;
}

static int WeekdayChoice(uint16_t format)
{
    return format < kWeekdayFormats ? format : kJapaneseWeekdays;
}

static int PartitionChoice(int32_t partition)
{
    return partition >= kPartitionNone && partition <= kPartitionTwo ? partition : kPartitionAll;
}

static void EnableControl(HWND page, int id, bool enable)
{
    EnableWindow(GetDlgItem(page, id), enable ? TRUE : FALSE);
}

static void ShowTitleFormat(HWND page)
{
    CheckRadioButton(page, IDC_TEXT_TITLE_JAPANESE, IDC_TEXT_TITLE_NUMERIC,
                     IDC_TEXT_TITLE_JAPANESE + s_text.titleFormat);
    // The English month name leaves no room for the clock.
    EnableControl(page, IDC_TEXT_CLOCK, s_text.titleFormat != kTitleMonthName);
}

static void ShowWeekdayFormat(HWND page)
{
    CheckRadioButton(page, IDC_TEXT_WEEKDAY_JAPANESE, IDC_TEXT_WEEKDAY_MIXED3,
                     IDC_TEXT_WEEKDAY_JAPANESE + s_text.weekdayFormat);
}

// Japanese title and weekday names need a font with Japanese glyphs.
static bool ShowJapaneseChoices(HWND page)
{
    const bool japanese = s_text.design->font.lfCharSet != ANSI_CHARSET;
    EnableControl(page, IDC_TEXT_TITLE_JAPANESE, japanese);
    EnableControl(page, IDC_TEXT_WEEKDAY_JAPANESE, japanese);
    return japanese;
}

static void OpenTextPage(HWND page, LPARAM init)
{
    SheetTarget* target = PageTarget(init);
    s_text = {};
    s_text.target = target;
    s_text.design = target->design;
    s_text.background = target->background;
    const DesignRecord& design = *s_text.design;
    s_text.titleFormat = TitleChoice(design.titleFormat);
    s_text.weekdayFormat = WeekdayChoice(design.weekdayFormat);
    s_text.partition = PartitionChoice(design.partition);
    for (int i = 0; i < kColours; ++i) {
        s_text.colours[i] = design.*kColourFields[i];
    }
    ShowPartitionPreview(page, s_text.partition, &s_text.preview);
    ShowTitleFormat(page);
    ShowWeekdayFormat(page);
    CheckRadioButton(page, IDC_TEXT_PARTITION_NONE, IDC_TEXT_PARTITION_TWO,
                     IDC_TEXT_PARTITION_NONE + s_text.partition);
    CheckDlgButton(page, IDC_TEXT_CLOCK, design.clockFlag == kClockShown ? BST_CHECKED : BST_UNCHECKED);
    ShowJapaneseChoices(page);
    MarkPageApplied(page, IDC_TEXT_UPDATE);
}

// A font without Japanese glyphs (set on the font page) cannot show the
// Japanese title or weekday names: both the design and the page's choices
// move to the English ones at once, and the clock goes with the Japanese
// title. Done whenever the page is entered and on OK.
static void FitFormatsToFont(HWND page)
{
    if (ShowJapaneseChoices(page)) {
        return;
    }
    DesignRecord* design = s_text.design;
    // An unknown stored format is drawn as the Japanese one: fix it alike.
    design->titleFormat = (uint16_t)TitleChoice(design->titleFormat);
    design->weekdayFormat = (uint16_t)WeekdayChoice(design->weekdayFormat);
    AdjustFormatsForFont(design);
    if (s_text.titleFormat == kTitleJapanese) {
        s_text.titleFormat = kTitleMonthName;
        CheckDlgButton(page, IDC_TEXT_CLOCK, BST_UNCHECKED);
        ShowTitleFormat(page);
    }
    if (s_text.weekdayFormat == kJapaneseWeekdays) {
        s_text.weekdayFormat = kLetterWeekdays;
        ShowWeekdayFormat(page);
    }
}

static void InvalidateSample(HWND page, int index)
{
    InvalidateRect(GetDlgItem(page, IDC_TEXT_TITLE_SAMPLE + index), nullptr, FALSE);
}

// The samples show the design's font on the background last applied, which
// may have changed on the other pages since the page was last shown.
static void EnterTextPage(HWND page)
{
    ReplaceSampleFont(page, *s_text.design, &s_text.sampleFont);
    for (int i = 0; i < kColours; ++i) {
        InvalidateSample(page, i);
    }
    FitFormatsToFont(page);
}

static void UpdateTextPage(HWND page)
{
    DesignRecord* design = s_text.design;
    if (s_text.formatChanged) {
        design->titleFormat = (uint16_t)s_text.titleFormat;
        design->weekdayFormat = (uint16_t)s_text.weekdayFormat;
        design->partition = s_text.partition;
        const bool clock = IsWindowEnabled(GetDlgItem(page, IDC_TEXT_CLOCK)) &&
                           IsDlgButtonChecked(page, IDC_TEXT_CLOCK) == BST_CHECKED;
        design->clockFlag = clock ? kClockShown : 0;
        s_text.formatChanged = false;
    }
    if (s_text.colourChanged) {
        for (int i = 0; i < kColours; ++i) {
            design->*kColourFields[i] = s_text.colours[i];
        }
        s_text.colourChanged = false;
    }
    MarkPageApplied(page, IDC_TEXT_UPDATE);
    NoteEditsApplied(s_text.target);
}

static void ReleaseTextPage(HWND page)
{
    ReleaseSamples(page, &s_text.sampleFont, &s_text.preview);
}

static void ApplyTextPage(HWND page)
{
    FitFormatsToFont(page);
    if (PageHasStagedEdits(page, IDC_TEXT_UPDATE)) {
        UpdateTextPage(page);
    }
    ReleaseTextPage(page);
}

static void StageFormatEdit(HWND page)
{
    s_text.formatChanged = true;
    MarkPageEdited(page, IDC_TEXT_UPDATE);
}

static void ChooseTitleFormat(HWND page, int format)
{
    if (format == s_text.titleFormat) {
        return;
    }
    s_text.titleFormat = format;
    EnableControl(page, IDC_TEXT_CLOCK, format != kTitleMonthName);
    StageFormatEdit(page);
}

static void ChooseWeekdayFormat(HWND page, int format)
{
    if (format == s_text.weekdayFormat) {
        return;
    }
    s_text.weekdayFormat = format;
    StageFormatEdit(page);
}

static void ChoosePartition(HWND page, int partition)
{
    if (partition == s_text.partition) {
        return;
    }
    s_text.partition = partition;
    ShowPartitionPreview(page, partition, &s_text.preview);
    StageFormatEdit(page);
}

static void ChooseTextColour(HWND page, int index)
{
    COLORREF colour = s_text.colours[index];
    if (!ChoosePageColour(page, &colour)) {
        return;
    }
    s_text.colours[index] = colour;
    s_text.colourChanged = true;
    MarkPageEdited(page, IDC_TEXT_UPDATE);
    InvalidateSample(page, index);
}

static bool InRange(int id, int first, int last)
{
    return id >= first && id <= last;
}

static void OnTextCommand(HWND page, int id, int code)
{
    if (code != BN_CLICKED) {
        return;
    }
    if (InRange(id, IDC_TEXT_TITLE_JAPANESE, IDC_TEXT_TITLE_NUMERIC)) {
        ChooseTitleFormat(page, id - IDC_TEXT_TITLE_JAPANESE);
    } else if (InRange(id, IDC_TEXT_WEEKDAY_JAPANESE, IDC_TEXT_WEEKDAY_MIXED3)) {
        ChooseWeekdayFormat(page, id - IDC_TEXT_WEEKDAY_JAPANESE);
    } else if (InRange(id, IDC_TEXT_PARTITION_NONE, IDC_TEXT_PARTITION_TWO)) {
        ChoosePartition(page, id - IDC_TEXT_PARTITION_NONE);
    } else if (InRange(id, IDC_TEXT_TITLE_COLOUR, IDC_TEXT_OTHER_COLOUR)) {
        ChooseTextColour(page, id - IDC_TEXT_TITLE_COLOUR);
    } else if (id == IDC_TEXT_CLOCK) {
        StageFormatEdit(page);
    } else if (id == IDC_TEXT_UPDATE) {
        UpdateTextPage(page);
    }
}

// Applying and cancelling never fail: the notifications' results are left
// as they are.
static void OnTextNotify(HWND page, const NMHDR* header)
{
    switch (header->code) {
    case PSN_SETACTIVE:
        EnterTextPage(page);
        break;
    case PSN_APPLY:
        ApplyTextPage(page);
        break;
    case PSN_QUERYCANCEL:
        ReleaseTextPage(page);
        break;
    }
}

static INT_PTR PageFace(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    return (INT_PTR)GetSysColorBrush(COLOR_BTNFACE);
}

// A themed sheet paints its pages with the tab body instead of asking for
// their colour; the page paints its own face so that its labels, drawn on
// that face, sit on the same colour.
// The samples are drawn in their button's colour on the calendar's brush.
static INT_PTR StaticColour(HDC dc, HWND control)
{
    const int id = GetDlgCtrlID(control);
    if (!InRange(id, IDC_TEXT_TITLE_SAMPLE, IDC_TEXT_OTHER_SAMPLE) || !s_text.background ||
        !*s_text.background) {
        return PageFace(dc);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, s_text.colours[id - IDC_TEXT_TITLE_SAMPLE]);
    return (INT_PTR)*s_text.background;
}

static INT_PTR CALLBACK TextPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OpenTextPage(page, lParam);
        return TRUE;
    case WM_COMMAND:
        OnTextCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        OnTextNotify(page, (const NMHDR*)lParam);
        return FALSE;
    case WM_CTLCOLORSTATIC:
        return StaticColour((HDC)wParam, (HWND)lParam);
    case WM_CTLCOLORDLG:
        return PageFace((HDC)wParam);
    case WM_ERASEBKGND:
        return ErasePageFace(page, (HDC)wParam);
    case WM_DESTROY:
        ReleaseTextPage(page);
        return FALSE;
    }
    return FALSE;
}

PROPSHEETPAGEA TextPage(SheetTarget* target)
{
    return MakeSheetPage(IDD_PAGE_TEXT, TextPageProc, target);
}
