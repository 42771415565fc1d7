// The settings sheet's the memo page: tooltip and editor sizes and the cell highlight colours.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "dialogs/sheet_pages.h"

// The page for the sheet, its lParam the target.
PROPSHEETPAGEA MemoPage(SheetTarget* target);
