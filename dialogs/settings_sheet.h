// The settings sheet: four pages that stage their edits and apply them with
// their "更 新" button or with OK.
#pragma once
#include <windows.h>

#include "dialogs/sheet_pages.h"

// Runs the sheet modally, owned by owner; true when it was closed with OK.
// The target outlives the call.
bool RunSettingsSheet(HWND owner, SheetTarget* target);
