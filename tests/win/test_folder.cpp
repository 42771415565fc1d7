#include "tests/win/test_folder.h"

#include <windows.h>
#include <stdio.h>

bool MakeTestFolder(char* out, size_t size)
{
    char temp[MAX_PATH];
    char name[MAX_PATH];
    if (!GetTempPathA(sizeof temp, temp) || !GetTempFileNameA(temp, "pel", 0, name)) {
        return false;
    }
    // The unique file name becomes the folder's.
    DeleteFileA(name);
    if (!CreateDirectoryA(name, nullptr)) {
        return false;
    }
    int n = snprintf(out, size, "%s\\", name);
    return n > 0 && (size_t)n < size;
}

void RemoveTestFolder(const char* folder)
{
    char pattern[MAX_PATH];
    snprintf(pattern, sizeof pattern, "%s*", folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!strcmp(found.cFileName, ".") || !strcmp(found.cFileName, "..")) {
                continue;
            }
            char path[MAX_PATH];
            snprintf(path, sizeof path, "%s%s", folder, found.cFileName);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                char sub[MAX_PATH];
                snprintf(sub, sizeof sub, "%s\\", path);
                RemoveTestFolder(sub);
            } else {
                SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path);
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder);
}
