// Asking for 42 memo files one by one is cheap on Windows, but where names
// are matched without case by reading the whole folder (Wine on Linux), each
// missing file costs a pass over every memo ever written. So the names in
// DATA are read once and kept until DATA tells that a name in it came, went
// or changed. Its last-write time cannot be trusted to tell: on FAT and
// exFAT, where a portable calendar often lives, a folder's time does not
// reliably move when a file in it is added or removed. A change
// notification on DATA does tell, on any volume that offers one; it is only
// polled, never waited on, at each marking. Where none can be had, the
// listing is read again whenever the folder's time moved or a little while
// has passed.
#include "memo/memo_marks.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "memo/memo_store.h"
#include "platform/app_folder.h"
#include "platform/system_calls.h"

static const DWORD kWatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
// Without a notification: how long a listing is trusted while the folder's
// time stays put (FAT keeps folder times in steps of two seconds).
static const DWORD kUnwatchedTrustMs = 2000;

struct FolderListing {
    char folder[kAppPathSize];             // the DATA it is of; empty when none
    FILETIME created;                      // of that folder: a new DATA by the same name differs
    FILETIME written;                      // its last-write time when names were read
    DWORD readAt;                          // tick count then
    bool known;                            // names is the folder's listing
    HANDLE watch = INVALID_HANDLE_VALUE;   // change notification on folder
    std::vector<std::string> names;        // folded, sorted
};

static FolderListing s_listing;

static bool SameTime(FILETIME a, FILETIME b)
{
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
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
    s_listing.names.clear();
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
            s_listing.names.push_back(FoldName(found.cFileName));
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(s_listing.names.begin(), s_listing.names.end());
}

static void CloseWatch()
{
    if (s_listing.watch != INVALID_HANDLE_VALUE) {
        FindCloseChangeNotification(s_listing.watch);
        s_listing.watch = INVALID_HANDLE_VALUE;
    }
}

// Starts on another DATA (or the same one made anew): the watch is made
// before the first reading, so nothing that happens during it is missed.
static void TakeFolder(const char* folder, FILETIME created)
{
    CloseWatch();
    s_listing.known = false;
    snprintf(s_listing.folder, sizeof s_listing.folder, "%s", folder);
    s_listing.created = created;
    s_listing.watch = FindFirstChangeNotificationA(folder, FALSE, kWatchedChanges);
}

// True when the watch saw a change since it was last armed. It is armed
// again at once, before the folder is read, so a change during the reading
// shows at the next marking instead of being lost; a watch that cannot be
// armed again is given up for the fallback.
static bool TakeChangeSignal()
{
    if (s_listing.watch == INVALID_HANDLE_VALUE || WaitForSingleObject(s_listing.watch, 0) != WAIT_OBJECT_0) {
        return false;
    }
    if (!FindNextChangeNotification(s_listing.watch)) {
        CloseWatch();
    }
    return true;
}

// Brings the listing up to date; false when there is no DATA folder.
static bool RefreshListing()
{
    char folder[kAppPathSize];
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!BuildAppPath(kMemoFolder, folder, sizeof folder) ||
        !GetFileAttributesExA(folder, GetFileExInfoStandard, &data) ||
        !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ReleaseMemoMarks();
        return false;
    }
    if (strcmp(folder, s_listing.folder) != 0 || !SameTime(data.ftCreationTime, s_listing.created)) {
        TakeFolder(folder, data.ftCreationTime);
    }
    bool changed = TakeChangeSignal();
    DWORD now = System().tickCount();
    bool stale = !s_listing.known || changed || !SameTime(data.ftLastWriteTime, s_listing.written) ||
                 (s_listing.watch == INVALID_HANDLE_VALUE && now - s_listing.readAt >= kUnwatchedTrustMs);
    if (stale) {
        ReadFolderNames(folder);
        s_listing.written = data.ftLastWriteTime;
        s_listing.readAt = now;
        s_listing.known = true;
    }
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
    const std::vector<std::string>& names = s_listing.names;
    return std::binary_search(names.begin(), names.end(), FoldName(name)) ? 1 : 0;
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
    s_listing.known = false;
    s_listing.names.clear();
}

void ReleaseMemoMarks()
{
    CloseWatch();
    ForgetMemoFolder();
    s_listing.folder[0] = '\0';
}
