// A file as its folder entry shows it: size and last-write time. Two looks
// that give the same stamp are taken as the same content; any rewrite
// through the file system changes at least the time.
#pragma once
#include <stdint.h>

struct FileStamp {
    uint64_t size;
    uint64_t written;   // FILETIME, 100 ns since 1601
};

// False when path is no file (absent, or a folder).
bool ReadFileStamp(const char* path, FileStamp* stamp);
bool SameFileStamp(const FileStamp& a, const FileStamp& b);

// The system clock as a write time compares with it.
uint64_t FileClockNow();
