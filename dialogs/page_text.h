// The settings sheet's the text page: text colours per kind of day, title and weekday formats, clock and partition lines.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "dialogs/sheet_pages.h"

// The page for the sheet, its lParam the target.
PROPSHEETPAGEA TextPage(SheetTarget* target);
