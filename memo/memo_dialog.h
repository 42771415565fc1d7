// The memo editor dialog.
#pragma once
#include <windows.h>
#include <stddef.h>

// Shows the editor for text (terminated, size bytes of room), owned by
// owner; true when the user confirmed an accepted text, which is then in
// text (empty when the memo is to go). A confirmation without any change
// counts as cancelled, unless the text is marked unsaved (a save of it
// failed before). On cancel text is left as it was. Fits MemoEditorFn of
// memo/memo_store.h; context is unused.
bool RunMemoEditor(HWND owner, char* text, size_t size, bool unsaved, void* context);

// The font of the editor's text, kept from one opening to the next; a new
// height takes effect at the next opening.
bool CreateEditorFont(int height);
void DeleteEditorFont();
