// The edit transaction: the memo is read and kept locked while the editor is
// open; a confirmed text goes to a temporary file beside it that then takes
// the memo's place in one step, so the old memo survives any failed write.
#include "memo/memo_store.h"

#include <stdio.h>
#include <string.h>

#include "memo/memo_io.h"
#include "memo/memo_text.h"
#include "settings/app_folder.h"

static const char kLineBreak[] = "\r\n";

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

enum class SaveStep { Saved, CreateFailed, WriteFailed };

// Writes the temporary file, then moves it over the memo (or into place for a
// new memo, refusing to overwrite a file that appeared meanwhile). The lock
// on the old memo is released just before the move: a file held open
// without sharing cannot be replaced.
static SaveStep SaveReplacing(const char* dateLine, const char* path, HANDLE* lock,
                              const char* text, size_t length)
{
    const bool isNew = *lock == INVALID_HANDLE_VALUE;
    const SaveStep failed = isNew ? SaveStep::CreateFailed : SaveStep::WriteFailed;
    char temporary[kAppPathSize];
    if (!TemporaryMemoPath(dateLine, temporary, sizeof temporary)) {
        return failed;
    }
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return failed;
    }
    bool written = WriteAll(file, text, length);
    if (!CloseHandle(file)) {
        written = false;
    }
    if (!written) {
        DeleteFileA(temporary);
        return SaveStep::WriteFailed;
    }
    if (!isNew) {
        CloseHandle(*lock);
        *lock = INVALID_HANDLE_VALUE;
    }
    DWORD flags = MOVEFILE_WRITE_THROUGH | (isNew ? 0 : MOVEFILE_REPLACE_EXISTING);
    if (!MoveFileExA(temporary, path, flags)) {
        DeleteFileA(temporary);
        return failed;
    }
    return SaveStep::Saved;
}

static void Unlock(HANDLE* lock)
{
    if (*lock != INVALID_HANDLE_VALUE) {
        CloseHandle(*lock);
        *lock = INVALID_HANDLE_VALUE;
    }
}

// Loads the memo into text and leaves it locked in *lock, or starts a new
// memo with the date line. False after an error message.
static bool LoadForEditing(HWND owner, const char* dateLine, const char* path, HANDLE* lock,
                           char* text, size_t size)
{
    *lock = INVALID_HANDLE_VALUE;
    if (!PathExists(path)) {
        snprintf(text, size, "%s%s", dateLine, kLineBreak);
        return true;
    }
    HANDLE file = OpenMemoLocked(path);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMemoMessage(owner, kMemoEditOpenFailedText, MB_ICONINFORMATION);
        return false;
    }
    // A file made outside the calendar may be larger than the editor can
    // hold; opening only its start would cut off the rest at the next save.
    bool tooLarge = false;
    if (!ReadMemoFile(file, kMemoMaxFileBytes, text, size, &tooLarge)) {
        CloseHandle(file);
        ShowMemoMessage(owner, tooLarge ? kMemoTooLargeText : kMemoEditOpenFailedText, MB_ICONINFORMATION);
        return false;
    }
    *lock = file;
    return true;
}

bool EditMemo(HWND owner, const char* dateLine, MemoEditorFn editor, void* context)
{
    char path[kAppPathSize];
    if (!MemoFilePath(dateLine, path, sizeof path)) {
        ShowMemoMessage(owner, kMemoEditOpenFailedText, MB_ICONINFORMATION);
        return false;
    }
    char text[kMemoBufferSize] = {};
    HANDLE lock;
    if (!LoadForEditing(owner, dateLine, path, &lock, text, sizeof text)) {
        return false;
    }
    bool confirmed = editor(owner, text, sizeof text, context);
    text[sizeof text - 1] = '\0';
    if (!confirmed) {
        Unlock(&lock);
        return true;
    }
    size_t length = strlen(text);
    if (IsBlankMemoText(text, length)) {
        Unlock(&lock);
        DeleteFileA(path);
        return true;
    }
    SaveStep step = SaveReplacing(dateLine, path, &lock, text, length);
    Unlock(&lock);
    if (step == SaveStep::CreateFailed) {
        ShowMemoMessage(nullptr, kMemoCreateFailedText, MB_ICONINFORMATION);
        return false;
    }
    if (step == SaveStep::WriteFailed) {
        ShowMemoMessage(nullptr, kMemoWriteFailedText, MB_ICONINFORMATION);
        return false;
    }
    return true;
}
