#include "platform/file_stamp.h"

#include <windows.h>

static uint64_t Join(DWORD high, DWORD low)
{
    return ((uint64_t)high << 32) | low;
}

bool ReadFileStamp(const char* path, FileStamp* stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    stamp->size = Join(data.nFileSizeHigh, data.nFileSizeLow);
    stamp->written = Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    return true;
}

bool SameFileStamp(const FileStamp& a, const FileStamp& b)
{
    return a.size == b.size && a.written == b.written;
}

uint64_t FileClockNow()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return Join(now.dwHighDateTime, now.dwLowDateTime);
}
