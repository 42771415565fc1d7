// Dialog 530: one multi-line edit control and two buttons. The dialog
// settles the acceptance rules itself, so the store only writes what it gets.
#include "memo/memo_dialog.h"

#include <imm.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "memo/memo_store.h"
#include "memo/memo_text.h"
#include "res/resource.h"
#include "view/fonts.h"

static const char kTooManyLineFeedsText[] = "改行が多すぎます";
static const char kInformationCaption[] = "information";
// How much to cut, in bytes and about as many full-width characters, and
// the limit in both.
static const char kTooLongFormat[] = "メモが長すぎるため、保存できません\n"
                                     "%u バイト (全角でおよそ %u 文字) 減らしてください\n"
                                     "(1 つのメモは %u バイト、全角で %u 文字まで)";
static const unsigned kFullWidthBytes = 2;

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
    // The control would count characters, a memo is kept in bytes: nothing
    // typed, pasted or entered through the input method is cut, and
    // confirming tells how much is too long.
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
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

// The editor's text in the program's code page: *bytes is its length,
// and it is copied (terminated) into out only when it fits. False when the
// text cannot be had.
static bool TextAsStored(HWND edit, char* out, size_t size, unsigned* bytes)
{
    const int length = GetWindowTextLengthW(edit);
    wchar_t* wide = (wchar_t*)calloc((size_t)length + 1, sizeof(wchar_t));
    if (!wide) {
        return false;
    }
    const int got = GetWindowTextW(edit, wide, length + 1);
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide, got, nullptr, 0, nullptr, nullptr);
    *bytes = needed > 0 ? (unsigned)needed : 0;
    if (*bytes < size) {
        WideCharToMultiByte(CP_ACP, 0, wide, got, out, (int)size, nullptr, nullptr);
        out[*bytes] = '\0';
    }
    free(wide);
    return true;
}

static void TellTooLong(HWND dialog, unsigned bytes, unsigned limit)
{
    const unsigned over = bytes - limit;
    char text[256];
    snprintf(text, sizeof text, kTooLongFormat, over, (over + kFullWidthBytes - 1) / kFullWidthBytes, limit,
             limit / kFullWidthBytes);
    MessageBoxA(dialog, text, kInformationCaption, MB_ICONINFORMATION | MB_OK);
}

// A text that cannot be kept whole is refused, with the dialog left open
// on it: the user decides what to cut.
static void OnConfirm(HWND dialog)
{
    EditorState* state = StateOf(dialog);
    HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
    if (!SendMessageA(edit, EM_GETMODIFY, 0, 0)) {
        // Nothing written, so the file keeps its date of change.
        EndDialog(dialog, IDCANCEL);
        return;
    }
    char work[kMemoBufferSize] = {};
    const size_t room = state->size < sizeof work ? state->size : sizeof work;
    const unsigned limit = (unsigned)(room - 1 < kMemoTextLimit ? room - 1 : kMemoTextLimit);
    unsigned length = 0;
    if (!TextAsStored(edit, work, sizeof work, &length)) {
        return;
    }
    if (length > limit) {
        TellTooLong(dialog, length, limit);
        return;
    }
    if (CountLineFeeds(work, length) > kMemoLineFeedLimit) {
        MessageBoxA(dialog, kTooManyLineFeedsText, kInformationCaption, MB_ICONINFORMATION | MB_OK);
        return;
    }
    if (IsBlankMemoText(work, length)) {
        length = 0;
    }
    memset(state->text, 0, state->size);
    memcpy(state->text, work, length);
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
