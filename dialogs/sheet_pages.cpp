#include "dialogs/sheet_pages.h"

#include <commdlg.h>

#include "platform/system_calls.h"

static const int kCustomColours = 16;
static const COLORREF kWhite = 0xFFFFFF;

PROPSHEETPAGEA MakeSheetPage(int templateId, DLGPROC procedure, SheetTarget* target)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(templateId);
    page.pfnDlgProc = procedure;
    page.lParam = (LPARAM)target;
    return page;
}

SheetTarget* PageTarget(LPARAM initLParam)
{
    const PROPSHEETPAGEA* page = (const PROPSHEETPAGEA*)initLParam;
    return page ? (SheetTarget*)page->lParam : nullptr;
}

void MarkPageEdited(HWND page, int updateButton)
{
    EnableWindow(GetDlgItem(page, updateButton), TRUE);
}

void MarkPageApplied(HWND page, int updateButton)
{
    EnableWindow(GetDlgItem(page, updateButton), FALSE);
}

bool PageHasStagedEdits(HWND page, int updateButton)
{
    return IsWindowEnabled(GetDlgItem(page, updateButton)) != 0;
}

void NoteEditsApplied(SheetTarget* target)
{
    if (target) {
        target->applied = true;
    }
}

// Custom colours are not kept between calls: each opening starts afresh.
bool ChoosePageColour(HWND page, COLORREF* colour)
{
    COLORREF custom[kCustomColours];
    custom[0] = *colour;
    for (int i = 1; i < kCustomColours; ++i) {
        custom[i] = kWhite;
    }
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = page;
    choose.rgbResult = *colour;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!System().chooseColour(&choose)) {
        return false;
    }
    *colour = choose.rgbResult;
    return true;
}

INT_PTR ErasePageFace(HWND page, HDC dc)
{
    RECT face;
    GetClientRect(page, &face);
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    SetWindowLongPtrA(page, DWLP_MSGRESULT, TRUE);
    return TRUE;
}
