// Asking for 42 memo files one by one is cheap on Windows, but where names
// are matched without case by reading the whole folder (Wine on Linux), each
// missing file costs a pass over every memo ever written. So the names in
// DATA are read once and kept while the folder's last-write time, which
// every file created, deleted or renamed in it moves on, stays the same.
#include "memo/memo_marks.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "memo/memo_store.h"
#include "settings/app_folder.h"

// Folders on FAT keep their times in steps of two seconds: a listing is only
// trusted once it was read that long after the folder's last change.
static const ULONGLONG kCoarseStampTicks = 2ull * 10000000ull;

static char s_folder[kAppPathSize];
static FILETIME s_stamp;
static bool s_known;
static std::vector<std::string> s_names;   // folded, sorted

static ULONGLONG Ticks(FILETIME time)
{
    return ((ULONGLONG)time.dwHighDateTime << 32) | time.dwLowDateTime;
}

// File names match without regard to the case of ASCII letters; the second
// byte of a double-byte character is never a letter.
static std::string FoldName(const char* name)
{
    std::string folded;
    for (const char* p = name; *p; ++p) {
        if (IsDBCSLeadByte((BYTE)*p) && p[1]) {
            folded += p[0];
            folded += p[1];
            ++p;
        } else {
            folded += (*p >= 'a' && *p <= 'z') ? (char)(*p - 'a' + 'A') : *p;
        }
    }
    return folded;
}

static void ReadFolderNames(const char* folder)
{
    s_names.clear();
    char pattern[kAppPathSize];
    int n = snprintf(pattern, sizeof pattern, "%s\\*", folder);
    if (n < 0 || (size_t)n >= sizeof pattern) {
        return;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (strcmp(found.cFileName, ".") != 0 && strcmp(found.cFileName, "..") != 0) {
            s_names.push_back(FoldName(found.cFileName));
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(s_names.begin(), s_names.end());
}

// Brings the listing up to date; false when there is no DATA folder.
static bool RefreshListing()
{
    char folder[kAppPathSize];
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!BuildAppPath(kMemoFolder, folder, sizeof folder) ||
        !GetFileAttributesExA(folder, GetFileExInfoStandard, &data) ||
        !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ForgetMemoFolder();
        return false;
    }
    if (s_known && strcmp(folder, s_folder) == 0 &&
        Ticks(data.ftLastWriteTime) == Ticks(s_stamp)) {
        return true;
    }
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ReadFolderNames(folder);
    snprintf(s_folder, sizeof s_folder, "%s", folder);
    s_stamp = data.ftLastWriteTime;
    s_known = Ticks(now) >= Ticks(s_stamp) + kCoarseStampTicks;
    return true;
}

static int32_t HasMemo(const GridDate& date)
{
    char dateLine[kDateLineSize];
    char name[kDateLineSize + sizeof kMemoExtension];
    if (!FormatDateLine(date, dateLine, sizeof dateLine)) {
        return 0;
    }
    snprintf(name, sizeof name, "%s%s", dateLine, kMemoExtension);
    return std::binary_search(s_names.begin(), s_names.end(), FoldName(name)) ? 1 : 0;
}

void MarkMemoDates(const MonthGrid& dates, int32_t marked[kGridCells])
{
    bool folder = RefreshListing();
    for (int d = 0; d < kGridCells; ++d) {
        marked[d] = folder ? HasMemo(dates.cells[d]) : 0;
    }
}

void ForgetMemoFolder()
{
    s_known = false;
    s_folder[0] = '\0';
    s_names.clear();
}
