// Dialog 530: one multi-line edit control and two buttons. The dialog
// settles the acceptance rules itself, so the store only writes what it gets.
#include "memo/memo_dialog.h"

#include <imm.h>
#include <string.h>

#include "memo/memo_store.h"
#include "memo/memo_text.h"
#include "res/resource.h"
#include "view/fonts.h"

static const char kTooManyLineFeedsText[] = "改行が多すぎます";
static const char kTooManyLineFeedsCaption[] = "information";

static HFONT s_editorFont;

// Lives on RunMemoEditor's stack for one opening.
struct EditorState {
    char* text;
    size_t size;
    bool unsaved;
    bool imeWasClosed;
};

bool CreateEditorFont(int height)
{
    DeleteEditorFont();
    s_editorFont = CreateMemoFont(height);
    return s_editorFont != nullptr;
}

void DeleteEditorFont()
{
    if (s_editorFont) {
        DeleteObject(s_editorFont);
        s_editorFont = nullptr;
    }
}

static EditorState* StateOf(HWND dialog)
{
    return (EditorState*)GetWindowLongPtrA(dialog, DWLP_USER);
}

// Memos are mostly Japanese: the input method is switched on for the editor
// and, if the user had it off, switched off again afterwards.
static bool OpenImeForEditing(HWND edit)
{
    HIMC context = ImmGetContext(edit);
    if (!context) {
        return false;
    }
    bool wasClosed = !ImmGetOpenStatus(context);
    if (wasClosed) {
        ImmSetOpenStatus(context, TRUE);
    }
    ImmReleaseContext(edit, context);
    return wasClosed;
}

static void RestoreIme(HWND edit, const EditorState* state)
{
    if (!state || !state->imeWasClosed) {
        return;
    }
    HIMC context = ImmGetContext(edit);
    if (context) {
        ImmSetOpenStatus(context, FALSE);
        ImmReleaseContext(edit, context);
    }
}

static INT_PTR OnInitDialog(HWND dialog, LPARAM param)
{
    EditorState* state = (EditorState*)param;
    SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)state);
    HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
    SendMessageA(edit, EM_LIMITTEXT, kMemoTextLimit, 0);
    if (s_editorFont) {
        SendMessageA(edit, WM_SETFONT, (WPARAM)s_editorFont, FALSE);
    }
    SetWindowTextA(edit, state->text);
    // A text that failed to save is still the user's change: confirming it
    // again as it is must try the save once more, not count as cancelled.
    SendMessageA(edit, EM_SETMODIFY, state->unsaved ? TRUE : FALSE, 0);
    state->imeWasClosed = OpenImeForEditing(edit);
    // The caret waits behind the text instead of selecting it all, so the
    // first key typed does not wipe out the date line of a new memo.
    SetFocus(edit);
    int end = GetWindowTextLengthA(edit);
    SendMessageA(edit, EM_SETSEL, end, end);
    return FALSE;
}

static void OnConfirm(HWND dialog)
{
    EditorState* state = StateOf(dialog);
    HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
    if (!SendMessageA(edit, EM_GETMODIFY, 0, 0)) {
        // Nothing written, so the file keeps its date of change.
        EndDialog(dialog, IDCANCEL);
        return;
    }
    // The control's own limit keeps typed text within kMemoTextLimit; the
    // work buffer as large as the caller's still takes a longer memo that was
    // loaded from a file made elsewhere whole, never cut inside a character.
    char work[kMemoBufferSize] = {};
    size_t room = state->size < sizeof work ? state->size : sizeof work;
    int length = GetWindowTextA(edit, work, (int)room);
    if (length < 0) {
        length = 0;
    }
    if (CountLineFeeds(work, (size_t)length) > kMemoLineFeedLimit) {
        MessageBoxA(dialog, kTooManyLineFeedsText, kTooManyLineFeedsCaption, MB_ICONINFORMATION | MB_OK);
        return;
    }
    if (IsBlankMemoText(work, (size_t)length)) {
        length = 0;
    }
    memset(state->text, 0, state->size);
    memcpy(state->text, work, (size_t)length);
    EndDialog(dialog, IDOK);
}

static INT_PTR OnCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        OnConfirm(dialog);
        return TRUE;
    case IDCANCEL:   // also the close box and Escape
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK EditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, lParam);
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    case WM_DESTROY:
        // Every way out passes here, while the edit control still exists.
        RestoreIme(GetDlgItem(dialog, IDC_MEMO_EDIT), StateOf(dialog));
        return FALSE;
    }
    return FALSE;
}

bool RunMemoEditor(HWND owner, char* text, size_t size, bool unsaved, void*)
{
    if (!text || size == 0) {
        return false;
    }
    text[size - 1] = '\0';
    EditorState state = {text, size, unsaved, false};
    // The dialog template is linked into the executable itself.
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MEMO_EDITOR), owner,
                                     EditorProc, (LPARAM)&state);
    return result == IDOK;
}
