// Writing a memo: the edit transaction for one date, from loading the memo
// through the editor to writing, replacing or deleting its file.
#pragma once
#include <windows.h>
#include <stddef.h>

// The memo editor: edits text (terminated, size bytes of room) in place and
// returns true when the user confirmed. An empty or blank text on return
// means "no memo". unsaved: text is what the user confirmed before and could
// not be saved, so confirming it again unchanged still counts.
typedef bool (*MemoEditorFn)(HWND owner, char* text, size_t size, bool unsaved, void* context);

// The edit transaction for one date: loads the memo (or the date line for a
// new one), keeps the file locked while the editor runs, then writes,
// replaces or deletes it. A changed memo is written to a temporary file and
// swapped in whole, so a failed write leaves the old memo as it was. After a
// failed save and its message the editor opens again on the typed text, so
// that it can be saved once the cause is gone, or copied elsewhere.
// Returns true when the calendar should refresh: the transaction ran to its
// end (saved, deleted, or cancelled before any failure). False after an
// error message: the memo could not be opened, or a save failed and the
// user then cancelled, dropping the typed text; the memo is then as it was.
bool EditMemo(HWND owner, const char* dateLine, MemoEditorFn editor, void* context);
