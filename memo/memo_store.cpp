#include "memo/memo_store.h"

#include <stdio.h>
#include <string.h>

#include "memo/memo_io.h"
#include "memo/memo_text.h"
#include "platform/app_folder.h"
#include "platform/system_calls.h"

void ShowMemoMessage(HWND owner, const char* text, UINT icon)
{
    System().messageBox(owner, text, nullptr, icon | MB_OK);
}

HANDLE OpenMemoLocked(const char* path)
{
    return CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

bool PathExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool ReadMemoFile(HANDLE file, size_t limit, char* buffer, size_t size, bool* tooLarge)
{
    *tooLarge = false;
    buffer[0] = '\0';
    LARGE_INTEGER fileSize;
    if (!GetFileSizeEx(file, &fileSize)) {
        return false;
    }
    if ((unsigned long long)fileSize.QuadPart > limit || (unsigned long long)fileSize.QuadPart > size - 1) {
        *tooLarge = true;
        return false;
    }
    // The size cannot change under us (nobody else may open the file), but a
    // short read is still taken as it comes and never run past the buffer.
    DWORD wanted = (DWORD)fileSize.QuadPart;
    DWORD total = 0;
    while (total < wanted) {
        DWORD got = 0;
        if (!ReadFile(file, buffer + total, wanted - total, &got, nullptr)) {
            buffer[0] = '\0';
            return false;
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    buffer[total] = '\0';
    DropLoneLeadBytes(buffer, strlen(buffer));
    return true;
}

bool MemoFilePath(const char* dateLine, char* out, size_t size)
{
    char name[kAppPathSize];
    int n = snprintf(name, sizeof name, "%s\\%s%s", kMemoFolder, dateLine, kMemoExtension);
    if (n < 0 || (size_t)n >= sizeof name) {
        if (size > 0) {
            out[0] = '\0';
        }
        return false;
    }
    return BuildAppPath(name, out, size);
}

bool EnsureFolder(const char* name)
{
    char path[kAppPathSize];
    if (!BuildAppPath(name, path, sizeof path)) {
        return false;
    }
    // A search on the exact name, without wild cards, tells folder from file.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) {
        return CreateDirectoryA(path, nullptr) != 0;
    }
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ReadMemoForTooltip(const char* path, HWND owner, char* buffer, size_t size)
{
    if (size == 0) {
        return false;
    }
    buffer[0] = '\0';
    if (!PathExists(path)) {
        return false;
    }
    HANDLE file = OpenMemoLocked(path);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMemoMessage(owner, kMemoOpenFailedText, MB_ICONERROR);
        return false;
    }
    bool tooLarge = false;
    bool read = ReadMemoFile(file, kMemoMaxFileBytes, buffer, size, &tooLarge);
    CloseHandle(file);
    if (tooLarge) {
        ShowMemoMessage(owner, kMemoTooLargeText, MB_ICONERROR);
    }
    return read;
}
