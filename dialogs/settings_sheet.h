// The settings sheet: four pages that stage their edits and apply them with
// their "更 新" button or with OK.
#pragma once
#include <windows.h>

#include "settings/design_record.h"

// What the pages edit, owned by the calendar window.
struct SheetTarget {
    HBRUSH* background;         // the brush slot; the background page may replace the brush
    DesignRecord* design;       // the font and the text colour pages
    MemoDisplaySettings* memo;  // the memo page
};

// Runs the sheet modally, owned by owner; true when it was closed with OK.
// The target outlives the call.
bool RunSettingsSheet(HWND owner, SheetTarget* target);
