// The settings sheet's the background page: solid, hatched or picture background and transparency.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "dialogs/sheet_pages.h"

// The page for the sheet, its lParam the target.
PROPSHEETPAGEA BackgroundPage(SheetTarget* target);
