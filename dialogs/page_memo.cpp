// The settings sheet's memo page.
#include "dialogs/sheet_pages.h"

#include "res/resource.h"

static INT_PTR CALLBACK MemoPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        MarkPageApplied(page, IDC_MEMO_UPDATE);
        return TRUE;
    }
    return FALSE;
}

PROPSHEETPAGEA MemoPage(SheetTarget* target)
{
    return MakeSheetPage(IDD_PAGE_MEMO, MemoPageProc, target);
}
