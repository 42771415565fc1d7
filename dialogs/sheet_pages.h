// What the four pages of the settings sheet provide and share.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "settings/design_record.h"

// What the pages edit, owned by the calendar window.
struct SheetTarget {
    HBRUSH* background;          // the brush slot; the background page may replace the brush
    DesignRecord* design;        // the font and the text colour pages
    MemoDisplaySettings* memo;   // the memo page
    bool applied;                // a page put edits in force, by "更 新" or OK
};

// A page for dialog template id with its procedure and target.
PROPSHEETPAGEA MakeSheetPage(int templateId, DLGPROC procedure, SheetTarget* target);

// The target a page was made with, from the PROPSHEETPAGEA of its
// WM_INITDIALOG lParam.
SheetTarget* PageTarget(LPARAM initLParam);

// Any staged edit enables the page's update button; applying disables it.
void MarkPageEdited(HWND page, int updateButton);
void MarkPageApplied(HWND page, int updateButton);
// OK applies a page only while its update button is enabled.
bool PageHasStagedEdits(HWND page, int updateButton);
// Every page tells the sheet's target when it puts edits in force: what
// "更 新" applied stays in force when the sheet is then cancelled.
void NoteEditsApplied(SheetTarget* target);

// A themed sheet paints its pages white, while the pages' labels ask for
// the button face: every page paints its own face so the two agree.
INT_PTR ErasePageFace(HWND page, HDC dc);

// The colour dialog of the pages: opened on *colour with the custom colours
// open, the first custom colour the current one and the others white. True
// with *colour set when a colour was chosen.
bool ChoosePageColour(HWND page, COLORREF* colour);
