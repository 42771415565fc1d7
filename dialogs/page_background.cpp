// The settings sheet's background page: the calendar's background (a
// colour, a hatch in a colour, or a picture; transparency) and the colour
// of today's cell. Edits are staged in the page's working state and reach
// the calendar's brush slot and pelmo.ini only through "更 新" or OK.
#include "dialogs/page_background.h"

#include <string.h>

#include "dialogs/page_background_picture.h"
#include "res/resource.h"
#include "platform/app_folder.h"
#include "settings/settings_defaults.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "view/background.h"
#include "view/picture.h"

static const int kTileCount = IDC_BACKGROUND_TILE_DIAGCROSS - IDC_BACKGROUND_TILE_SOLID + 1;
static const COLORREF kSolidTileColour = RGB(200, 200, 200);
static const COLORREF kHatchTileColour = RGB(128, 128, 128);
// A pattern chosen in place of a picture has no colour of its own to keep.
static const COLORREF kPatternAfterPictureColour = RGB(200, 200, 200);

struct BackgroundPageState {
    SheetTarget* target;
    HBRUSH* slot;       // the calendar's brush, replaced on update
    LOGBRUSH working;   // for a picture, lbHatch is its bitmap
    HBITMAP picture;    // owned here while a picture is in use
    bool pictureInUse;
    bool pictureChanged;
    bool brushChanged;
    COLORREF today;
    bool todayChanged;
    HBRUSH sample;
    HBRUSH todaySample;
    HBRUSH tiles[kTileCount];
    char selected[kPicturePathSize];   // the picture the user chose
    char load[kPicturePathSize];       // the BMP file it was loaded from
};

static BackgroundPageState s_page;

static bool IsPictureStyle(UINT style)
{
    return style != BS_SOLID && style != BS_HATCHED;
}

static void DeleteBrush(HBRUSH* brush)
{
    if (*brush) {
        DeleteObject(*brush);
        *brush = nullptr;
    }
}

// The picture is let go of: the working description keeps no handle to a
// deleted bitmap.
static void DropPicture()
{
    if (s_page.picture) {
        DeleteObject(s_page.picture);
        s_page.picture = nullptr;
    }
    if (IsPictureStyle(s_page.working.lbStyle)) {
        s_page.working.lbHatch = kDefaultHatch;
    }
    s_page.pictureInUse = false;
    s_page.pictureChanged = false;
}

// Safe to call more than once: OK and Cancel free, and so does closing.
static void FreePageResources()
{
    DropPicture();
    DeleteBrush(&s_page.sample);
    DeleteBrush(&s_page.todaySample);
    for (HBRUSH& tile : s_page.tiles) {
        DeleteBrush(&tile);
    }
}

static void MakeTileBrushes()
{
    s_page.tiles[0] = CreateSolidBrush(kSolidTileColour);
    for (int hatch = HS_HORIZONTAL; hatch <= HS_DIAGCROSS; ++hatch) {
        s_page.tiles[1 + hatch] = CreateHatchBrush(hatch, kHatchTileColour);
    }
}

static void RemakeSample(HWND page, bool erase)
{
    DeleteBrush(&s_page.sample);
    s_page.sample = CreateBrushIndirect(&s_page.working);
    InvalidateRect(GetDlgItem(page, IDC_BACKGROUND_SAMPLE), nullptr, erase);
}

static void RemakeTodaySample(HWND page)
{
    DeleteBrush(&s_page.todaySample);
    s_page.todaySample = CreateSolidBrush(s_page.today);
    InvalidateRect(GetDlgItem(page, IDC_BACKGROUND_TODAY_SAMPLE), nullptr, FALSE);
}

static void EnablePatternChoices(HWND page, bool enable)
{
    EnableWindow(GetDlgItem(page, IDC_BACKGROUND_PICTURE), enable);
    for (int id = IDC_BACKGROUND_TILE_SOLID; id <= IDC_BACKGROUND_TILE_DIAGCROSS; ++id) {
        EnableWindow(GetDlgItem(page, id), enable);
    }
}

static void MarkEdited(HWND page)
{
    MarkPageEdited(page, IDC_BACKGROUND_UPDATE);
}

// The brush in force, with its stored picture loaded again; a picture that
// cannot be had any more shows as the plain fallback colour.
static void StartWorkingDescription()
{
    LOGBRUSH brush = {BS_SOLID, kFallbackBackgroundColor, kDefaultHatch};
    LOGBRUSH current;
    if (s_page.slot && *s_page.slot &&
        GetObjectA(*s_page.slot, sizeof current, &current) == (int)sizeof current) {
        brush = current;
    }
    char converted[kAppPathSize] = "";
    BuildAppPath(kConvertedPictureName, converted, sizeof converted);
    s_page.pictureInUse = LoadPatternPicture(&brush, ReadBackground(kSettingsFile), converted,
                                             &s_page.picture, s_page.selected, sizeof s_page.selected);
    if (!s_page.pictureInUse && IsPictureStyle(brush.lbStyle)) {
        brush = {BS_SOLID, kFallbackBackgroundColor, kDefaultHatch};
    }
    s_page.working = brush;
}

static void OnInitDialog(HWND page, LPARAM lParam)
{
    FreePageResources();
    s_page = {};
    SheetTarget* target = PageTarget(lParam);
    s_page.target = target;
    s_page.slot = target ? target->background : nullptr;
    s_page.today = ReadCellColors(kSettingsFile).today;
    StartWorkingDescription();
    if (ReadTransparent(kSettingsFile)) {
        CheckDlgButton(page, IDC_BACKGROUND_TRANSPARENT, BST_CHECKED);
        EnablePatternChoices(page, false);
    }
    MakeTileBrushes();
    RemakeSample(page, false);
    RemakeTodaySample(page);
    MarkPageApplied(page, IDC_BACKGROUND_UPDATE);
}

// A colour keeps a hatch's pattern; a picture gives way to a plain colour.
static void OnChooseColour(HWND page)
{
    COLORREF colour = s_page.working.lbColor;
    if (!ChoosePageColour(page, &colour)) {
        return;
    }
    s_page.brushChanged = true;
    MarkEdited(page);
    if (s_page.pictureInUse) {
        DropPicture();
        s_page.working.lbStyle = BS_SOLID;
    }
    s_page.working.lbColor = colour;
    RemakeSample(page, false);
}

// A picture other than BMP is converted into pelmo.bmp now, while the
// user still sees the page: a picture that cannot be used is told at once
// and leaves everything as it was.
static void OnChoosePicture(HWND page)
{
    char chosen[kPicturePathSize];
    memcpy(chosen, s_page.selected, sizeof chosen);
    if (!ChooseBackgroundPicture(page, chosen, sizeof chosen)) {
        return;
    }
    char converted[kAppPathSize] = "";
    BuildAppPath(kConvertedPictureName, converted, sizeof converted);
    char load[kPicturePathSize];
    HBITMAP bitmap = LoadChosenPicture(chosen, converted, load, sizeof load);
    if (!bitmap) {
        return;
    }
    MarkEdited(page);
    DropPicture();
    s_page.picture = bitmap;
    s_page.pictureInUse = true;
    s_page.pictureChanged = true;
    memcpy(s_page.selected, chosen, sizeof chosen);
    memcpy(s_page.load, load, sizeof load);
    s_page.working.lbStyle = BS_PATTERN;
    s_page.working.lbHatch = (ULONG_PTR)bitmap;
    RemakeSample(page, true);
}

static void OnTile(HWND page, int id)
{
    const bool solid = id == IDC_BACKGROUND_TILE_SOLID;
    const ULONG_PTR hatch = solid ? kDefaultHatch : (ULONG_PTR)(id - IDC_BACKGROUND_TILE_HORIZONTAL);
    const LOGBRUSH& working = s_page.working;
    if ((solid && working.lbStyle == BS_SOLID) ||
        (!solid && working.lbStyle == BS_HATCHED && working.lbHatch == hatch)) {
        return;
    }
    s_page.brushChanged = true;
    MarkEdited(page);
    if (s_page.pictureInUse) {
        DropPicture();
        s_page.working.lbColor = kPatternAfterPictureColour;
    }
    s_page.working.lbStyle = solid ? BS_SOLID : BS_HATCHED;
    if (!solid) {
        s_page.working.lbHatch = hatch;
    }
    RemakeSample(page, false);
}

// A transparent background is one plain colour that the window leaves out;
// a picture cannot be, so it gives way to the button-face colour.
static void OnTransparent(HWND page)
{
    const bool checked = IsDlgButtonChecked(page, IDC_BACKGROUND_TRANSPARENT) == BST_CHECKED;
    EnablePatternChoices(page, !checked);
    if (checked) {
        if (s_page.pictureInUse) {
            s_page.working.lbColor = GetSysColor(COLOR_BTNFACE);
        }
        DropPicture();
        s_page.working.lbStyle = BS_SOLID;
    }
    s_page.brushChanged = true;
    RemakeSample(page, false);
    MarkEdited(page);
}

static void OnTodayColour(HWND page)
{
    if (!ChoosePageColour(page, &s_page.today)) {
        return;
    }
    s_page.todayChanged = true;
    MarkEdited(page);
    RemakeTodaySample(page);
}

// The calendar's surface holds its own first brush while the sheet runs,
// so the brush in the slot is free to go. A brush that cannot be made
// leaves the calendar its old one rather than none.
static void InstallWorkingBrush()
{
    if (!s_page.slot) {
        return;
    }
    HBRUSH made = CreateBrushIndirect(&s_page.working);
    if (!made) {
        return;
    }
    if (*s_page.slot) {
        DeleteObject(*s_page.slot);
    }
    *s_page.slot = made;
}

// A picture loaded from pelmo.bmp is recorded by the file it was converted
// from, which is converted again at every start.
static void WritePictureKeys(SettingsEdit* edit)
{
    const char* bitmap = kNoKeyValue;
    const char* orgFile = kNoKeyValue;
    if (s_page.pictureInUse) {
        if (!s_page.pictureChanged) {
            return;
        }
        if (strstr(s_page.load, kConvertedPictureName)) {
            orgFile = s_page.selected;
        } else {
            bitmap = s_page.selected;
        }
    }
    SetSetting(edit, "BGBRUSH", "BITMAP", bitmap);
    SetSetting(edit, "BGBRUSH", "ORGFILE", orgFile);
}

// Only what was edited is written: a page opened on a picture that is
// missing for now (a removed drive) keeps it recorded unless the user
// chooses another background.
static bool SaveEdits(HWND page)
{
    SettingsEdit edit;
    if (!BeginSettingsEdit(kSettingsFile, &edit)) {
        return false;
    }
    if (s_page.todayChanged) {
        SetSettingInt(&edit, "TODAY", "COLOR", (int32_t)s_page.today);
    }
    if (s_page.pictureChanged || s_page.brushChanged) {
        const LOGBRUSH& working = s_page.working;
        // For a picture lbHatch is a bitmap handle, a number with no
        // meaning in the file.
        const int32_t hatch = working.lbStyle == BS_HATCHED ? (int32_t)working.lbHatch : kDefaultHatch;
        WriteBrushSection(&edit, BrushTriple{(int32_t)working.lbStyle, working.lbColor, hatch});
        WriteTransparent(&edit, IsDlgButtonChecked(page, IDC_BACKGROUND_TRANSPARENT) == BST_CHECKED ? 1 : 0);
        WritePictureKeys(&edit);
    }
    return CommitSettingsEdit(&edit);
}

// Edits that could not be saved change nothing, neither the file nor the
// brush in force: the page keeps them, to be applied again once the disk
// has room.
static bool ApplyEdits(HWND page)
{
    if (!SaveEdits(page)) {
        TellSettingsNotSaved(page);
        return false;
    }
    if (s_page.pictureChanged || s_page.brushChanged) {
        InstallWorkingBrush();
    }
    s_page.todayChanged = false;
    s_page.pictureChanged = false;
    s_page.brushChanged = false;
    MarkPageApplied(page, IDC_BACKGROUND_UPDATE);
    NoteEditsApplied(s_page.target);
    return true;
}

static bool OnCommand(HWND page, int id, int code)
{
    // A tile's click (STN_CLICKED) has the same code as a button's.
    if (code != BN_CLICKED) {
        return false;
    }
    if (id >= IDC_BACKGROUND_TILE_SOLID && id <= IDC_BACKGROUND_TILE_DIAGCROSS) {
        OnTile(page, id);
        return true;
    }
    switch (id) {
    case IDC_BACKGROUND_COLOUR:
        OnChooseColour(page);
        return true;
    case IDC_BACKGROUND_PICTURE:
        OnChoosePicture(page);
        return true;
    case IDC_BACKGROUND_TRANSPARENT:
        OnTransparent(page);
        return true;
    case IDC_BACKGROUND_TODAY_COLOUR:
        OnTodayColour(page);
        return true;
    case IDC_BACKGROUND_UPDATE:
        ApplyEdits(page);
        return true;
    }
    return false;
}

// The samples and tiles show their brushes; every other static sits on
// the page's own face.
static HBRUSH StaticBrush(HWND control, HDC dc)
{
    const int id = GetDlgCtrlID(control);
    HBRUSH own = nullptr;
    if (id == IDC_BACKGROUND_SAMPLE) {
        own = s_page.sample;
    } else if (id == IDC_BACKGROUND_TODAY_SAMPLE) {
        own = s_page.todaySample;
    } else if (id >= IDC_BACKGROUND_TILE_SOLID && id <= IDC_BACKGROUND_TILE_DIAGCROSS) {
        own = s_page.tiles[id - IDC_BACKGROUND_TILE_SOLID];
    }
    if (own) {
        return own;
    }
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

// A page whose edits could not be saved keeps the sheet open on it.
static INT_PTR OnNotify(HWND page, const NMHDR* header)
{
    switch (header->code) {
    case PSN_APPLY:
        if (PageHasStagedEdits(page, IDC_BACKGROUND_UPDATE) && !ApplyEdits(page)) {
            SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
            return TRUE;
        }
        FreePageResources();
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    case PSN_QUERYCANCEL:
        FreePageResources();
        MarkPageApplied(page, IDC_BACKGROUND_UPDATE);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK BackgroundPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(page, lParam);
        return TRUE;
    case WM_COMMAND:
        return OnCommand(page, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)StaticBrush((HWND)lParam, (HDC)wParam);
    case WM_CTLCOLORDLG:
        return (INT_PTR)GetSysColorBrush(COLOR_BTNFACE);
    case WM_ERASEBKGND:
        return ErasePageFace(page, (HDC)wParam);
    case WM_NOTIFY:
        return OnNotify(page, (const NMHDR*)lParam);
    case WM_DESTROY:
        FreePageResources();
        return FALSE;
    }
    return FALSE;
}

PROPSHEETPAGEA BackgroundPage(SheetTarget* target)
{
    return MakeSheetPage(IDD_PAGE_BACKGROUND, BackgroundPageProc, target);
}
