// The settings sheet's font page.
#include "dialogs/sheet_pages.h"

#include "res/resource.h"

static INT_PTR CALLBACK FontPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        MarkPageApplied(page, IDC_FONT_UPDATE);
        return TRUE;
    }
    return FALSE;
}

PROPSHEETPAGEA FontPage(SheetTarget* target)
{
    return MakeSheetPage(IDD_PAGE_FONT, FontPageProc, target);
}
