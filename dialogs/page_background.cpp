// The settings sheet's background page.
#include "dialogs/sheet_pages.h"

#include "res/resource.h"

static INT_PTR CALLBACK BackgroundPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        MarkPageApplied(page, IDC_BACKGROUND_UPDATE);
        return TRUE;
    }
    return FALSE;
}

PROPSHEETPAGEA BackgroundPage(SheetTarget* target)
{
    return MakeSheetPage(IDD_PAGE_BACKGROUND, BackgroundPageProc, target);
}
