// Whole-file copies between pelmo.ini and its working copies. pelmo.ini holds
// every registered design, so it is never written in place: its new content
// is made whole beside it and then takes its place in one step, and a copy
// cut short (full disk, power loss, a scanner holding the file) leaves the
// old file as it was.
#include "settings/settings_copy.h"

#include "platform/app_folder.h"
#include "settings/settings_file.h"

// Neither working copy's name, so no other step reads or deletes it; a
// leftover of an interrupted copy is overwritten by the next one.
static const char kReplacementFile[] = "pelmo.ini.new";
static const DWORD kCopyChunk = 4096;

static bool WriteAll(HANDLE file, const char* data, DWORD length)
{
    DWORD done = 0;
    while (done < length) {
        DWORD wrote = 0;
        if (!WriteFile(file, data + done, length - done, &wrote, nullptr) || wrote == 0) {
            return false;
        }
        done += wrote;
    }
    return true;
}

static bool CopyContents(HANDLE from, HANDLE to)
{
    char chunk[kCopyChunk];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(from, chunk, sizeof chunk, &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (!WriteAll(to, chunk, got)) {
            return false;
        }
    }
}

// The copy is on the disk, not just in the cache, before it may replace
// anything.
static bool WriteReplacement(const char* source, const char* replacement)
{
    HANDLE from = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (from == INVALID_HANDLE_VALUE) {
        return false;
    }
    HANDLE to = CreateFileA(replacement, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (to == INVALID_HANDLE_VALUE) {
        CloseHandle(from);
        return false;
    }
    bool ok = CopyContents(from, to) && FlushFileBuffers(to);
    ok = CloseHandle(to) && ok;
    CloseHandle(from);
    return ok;
}

static bool ReplaceSettingsFile(const char* source, const char* destination)
{
    char replacement[kAppPathSize];
    if (!SettingsPath(kReplacementFile, replacement, sizeof replacement)) {
        return false;
    }
    if (!WriteReplacement(source, replacement) ||
        !MoveFileExA(replacement, destination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(replacement);
        return false;
    }
    return true;
}

bool CopySettingsFile(const char* source, const char* destination)
{
    char from[kAppPathSize];
    char to[kAppPathSize];
    if (!SettingsPath(source, from, sizeof from) || !SettingsPath(destination, to, sizeof to)) {
        return false;
    }
    if (lstrcmpiA(destination, kSettingsFile) == 0) {
        return ReplaceSettingsFile(from, to);
    }
    return CopyFileA(from, to, FALSE) != FALSE;
}

bool DeleteSettingsFile(const char* name)
{
    char path[kAppPathSize];
    if (!SettingsPath(name, path, sizeof path)) {
        return false;
    }
    return DeleteFileA(path) || GetLastError() == ERROR_FILE_NOT_FOUND;
}
