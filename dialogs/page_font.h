// The settings sheet's the font page: face, style, relative size and left shift.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "dialogs/sheet_pages.h"

// The page for the sheet, its lParam the target.
PROPSHEETPAGEA FontPage(SheetTarget* target);
