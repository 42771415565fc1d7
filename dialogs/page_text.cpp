// The settings sheet's text page.
#include "dialogs/sheet_pages.h"

#include "res/resource.h"

static INT_PTR CALLBACK TextPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        MarkPageApplied(page, IDC_TEXT_UPDATE);
        return TRUE;
    }
    return FALSE;
}

PROPSHEETPAGEA TextPage(SheetTarget* target)
{
    return MakeSheetPage(IDD_PAGE_TEXT, TextPageProc, target);
}
