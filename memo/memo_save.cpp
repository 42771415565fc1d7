// The edit transaction: the memo is read and kept locked while the editor is
// open; a confirmed text goes to a temporary file beside it that then takes
// the memo's place in one step, so the old memo survives any failed write.
// What the user typed survives it too: after a failed save the editor opens
// again on that text, and only Cancel drops it.
#include "memo/memo_save.h"

#include <stdio.h>
#include <string.h>

#include "memo/memo_io.h"
#include "memo/memo_store.h"
#include "memo/memo_marks.h"
#include "memo/memo_text.h"
#include "platform/app_folder.h"

static const char kLineBreak[] = "\r\n";

// Lives on EditMemo's stack for one transaction.
struct EditSession {
    const char* dateLine;
    char path[kAppPathSize];
    // The memo held open without sharing, or INVALID_HANDLE_VALUE. Only a
    // held memo is ever replaced or deleted.
    HANDLE lock;
    bool existed;                     // there was a memo when editing began
    unsigned long long loadedBytes;   // its size and text then
    char loaded[kMemoBufferSize];
    char text[kMemoBufferSize];   // the editor's
};

// "DATA\<date line>.tmp": one fixed name per date, so a leftover from an
// interrupted run is simply overwritten by the next save of that date, and
// it never counts as a memo (only ".dat" does).
static bool TemporaryMemoPath(const char* dateLine, char* out, size_t size)
{
    char name[kAppPathSize];
    int n = snprintf(name, sizeof name, "%s\\%s.tmp", kMemoFolder, dateLine);
    if (n < 0 || (size_t)n >= sizeof name) {
        out[0] = '\0';
        return false;
    }
    return BuildAppPath(name, out, size);
}

static bool WriteAll(HANDLE file, const char* text, size_t length)
{
    size_t done = 0;
    while (done < length) {
        DWORD wrote = 0;
        if (!WriteFile(file, text + done, (DWORD)(length - done), &wrote, nullptr) || wrote == 0) {
            return false;
        }
        done += wrote;
    }
    return FlushFileBuffers(file) != 0;
}

static void Unlock(HANDLE* lock)
{
    if (*lock != INVALID_HANDLE_VALUE) {
        CloseHandle(*lock);
        *lock = INVALID_HANDLE_VALUE;
    }
}

enum class SaveStep { Saved, CreateFailed, WriteFailed };

// Writes the temporary file, then moves it over the held memo, or into
// place when none is held, refusing to overwrite a file that is there by
// then. The lock is released just before the move: a file held open
// without sharing cannot be replaced.
static SaveStep SaveReplacing(EditSession* s, size_t length)
{
    const bool replace = s->lock != INVALID_HANDLE_VALUE;
    const SaveStep failed = s->existed ? SaveStep::WriteFailed : SaveStep::CreateFailed;
    char temporary[kAppPathSize];
    if (!TemporaryMemoPath(s->dateLine, temporary, sizeof temporary)) {
        return failed;
    }
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return failed;
    }
    bool written = WriteAll(file, s->text, length);
    if (!CloseHandle(file)) {
        written = false;
    }
    if (!written) {
        DeleteFileA(temporary);
        return SaveStep::WriteFailed;
    }
    Unlock(&s->lock);
    DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (!MoveFileExA(temporary, s->path, flags)) {
        DeleteFileA(temporary);
        return failed;
    }
    return SaveStep::Saved;
}

static bool StillAsLoaded(HANDLE file, const EditSession& s)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || (unsigned long long)size.QuadPart != s.loadedBytes) {
        return false;
    }
    char now[kMemoBufferSize] = {};
    bool tooLarge = false;
    return ReadMemoFile(file, kMemoMaxFileBytes, now, sizeof now, &tooLarge) &&
           memcmp(now, s.loaded, (size_t)s.loadedBytes) == 0;
}

// A failed swap has let go of the memo. It is held again before the editor
// reopens, and before the next save or deletion, but only while it is still
// the text that was loaded: one that someone else wrote, replaced or locked
// in the meantime is theirs, and a retry may then only create the memo,
// which fails while their file is there.
static void RetakeLock(EditSession* s)
{
    if (!s->existed || s->lock != INVALID_HANDLE_VALUE) {
        return;
    }
    HANDLE file = OpenMemoLocked(s->path);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    if (!StillAsLoaded(file, *s)) {
        CloseHandle(file);
        return;
    }
    s->lock = file;
}

// Loads the memo into s->text and leaves it locked, or starts a new memo
// with the date line. False after an error message.
static bool LoadForEditing(HWND owner, EditSession* s)
{
    s->lock = INVALID_HANDLE_VALUE;
    if (!PathExists(s->path)) {
        snprintf(s->text, sizeof s->text, "%s%s", s->dateLine, kLineBreak);
        return true;
    }
    HANDLE file = OpenMemoLocked(s->path);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMemoMessage(owner, kMemoEditOpenFailedText, MB_ICONINFORMATION);
        return false;
    }
    // A file made outside the calendar may be larger than the editor can
    // hold; opening only its start would cut off the rest at the next save.
    bool tooLarge = false;
    LARGE_INTEGER size;
    if (!ReadMemoFile(file, kMemoMaxFileBytes, s->text, sizeof s->text, &tooLarge) ||
        !GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        ShowMemoMessage(owner, tooLarge ? kMemoTooLargeText : kMemoEditOpenFailedText, MB_ICONINFORMATION);
        return false;
    }
    s->lock = file;
    s->existed = true;
    s->loadedBytes = (unsigned long long)size.QuadPart;
    memcpy(s->loaded, s->text, sizeof s->loaded);
    return true;
}

// A blank text removes the memo, if it is held: a file that is not was made
// or changed by someone else meanwhile. A failed deletion is not reported;
// the date simply stays marked.
static void DeleteHeldMemo(EditSession* s)
{
    if (s->lock == INVALID_HANDLE_VALUE) {
        return;
    }
    Unlock(&s->lock);
    DeleteFileA(s->path);
}

bool EditMemo(HWND owner, const char* dateLine, MemoEditorFn editor, void* context)
{
    EditSession session = {};
    EditSession* s = &session;
    s->dateLine = dateLine;
    if (!MemoFilePath(dateLine, s->path, sizeof s->path)) {
        ShowMemoMessage(owner, kMemoEditOpenFailedText, MB_ICONINFORMATION);
        return false;
    }
    if (!LoadForEditing(owner, s)) {
        return false;
    }
    bool failedBefore = false;
    while (editor(owner, s->text, sizeof s->text, failedBefore, context)) {
        s->text[sizeof s->text - 1] = '\0';
        RetakeLock(s);
        // Whatever the editor handed back, no memo is written that a reader
        // would read past.
        size_t length = DropLoneLeadBytes(s->text, strlen(s->text));
        if (IsBlankMemoText(s->text, length)) {
            DeleteHeldMemo(s);
            ForgetMemoFolder();
            return true;
        }
        SaveStep step = SaveReplacing(s, length);
        if (step == SaveStep::Saved) {
            ForgetMemoFolder();
            return true;
        }
        ShowMemoMessage(nullptr,
                        step == SaveStep::CreateFailed ? kMemoCreateFailedText : kMemoWriteFailedText,
                        MB_ICONINFORMATION);
        RetakeLock(s);
        failedBefore = true;
    }
    Unlock(&s->lock);
    return !failedBefore;
}
