#include "platform/holiday_source.h"

#include <string.h>

#include <string>

#include "platform/app_folder.h"

static const UINT kShiftJisCodePage = 932;
// The byte a character with no Shift-JIS form becomes, which the parser
// refuses with its line.
static const char kNoFormByte[] = {kNoShiftJisForm, '\0'};

static HolidayFileStamp LookAt(const char* path)
{
    HolidayFileStamp stamp = {};
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path, GetFileExInfoStandard, &data)) {
        stamp.present = true;
        stamp.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        stamp.written = data.ftLastWriteTime;
        stamp.sizeHigh = data.nFileSizeHigh;
        stamp.sizeLow = data.nFileSizeLow;
    }
    return stamp;
}

static bool SameStamp(const HolidayFileStamp& a, const HolidayFileStamp& b)
{
    return a.present == b.present && a.folder == b.folder && CompareFileTime(&a.written, &b.written) == 0 &&
           a.sizeHigh == b.sizeHigh && a.sizeLow == b.sizeLow;
}

// Invalid UTF-8 becomes U+FFFD on the way in, which has no Shift-JIS form
// either: both reach the parser as kNoShiftJisForm on their own line.
static bool Utf8ToShiftJis(const std::string& utf8, size_t skip, std::string* sjis)
{
    const char* in = utf8.data() + skip;
    const int inSize = (int)(utf8.size() - skip);
    sjis->clear();
    if (inSize == 0) {
        return true;
    }
    const int wideSize = MultiByteToWideChar(CP_UTF8, 0, in, inSize, nullptr, 0);
    std::wstring wide(wideSize, L'\0');
    if (wideSize == 0 || MultiByteToWideChar(CP_UTF8, 0, in, inSize, &wide[0], wideSize) != wideSize) {
        return false;
    }
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize,
                                         nullptr, 0, kNoFormByte, &usedDefault);
    sjis->assign(size, '\0');
    return size > 0 && WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize,
                                           &(*sjis)[0], size, kNoFormByte, &usedDefault) == size;
}

// Busy when someone is writing or has locked the file, or it went away
// while being replaced: it is looked at again next time, without a word.
static HolidayCheck ReadBytes(const char* path, std::string* bytes, HolidayFileResult* refusal)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
            error == ERROR_FILE_NOT_FOUND) {
            return HolidayCheck::Busy;
        }
        *refusal = {HolidayFileProblem::NotReadable, 0};
        return HolidayCheck::Refused;
    }
    LARGE_INTEGER size = {};
    HolidayCheck check = HolidayCheck::Loaded;
    if (!GetFileSizeEx(file, &size)) {
        *refusal = {HolidayFileProblem::NotReadable, 0};
        check = HolidayCheck::Refused;
    } else if (size.QuadPart > (LONGLONG)kHolidayFileMaxBytes) {
        *refusal = {HolidayFileProblem::TooLarge, 0};
        check = HolidayCheck::Refused;
    } else {
        bytes->assign((size_t)size.QuadPart, '\0');
        DWORD read = 0;
        if (!bytes->empty() &&
            (!ReadFile(file, &(*bytes)[0], (DWORD)bytes->size(), &read, nullptr) || read != bytes->size())) {
            check = GetLastError() == ERROR_LOCK_VIOLATION ? HolidayCheck::Busy : HolidayCheck::Refused;
            *refusal = {HolidayFileProblem::NotReadable, 0};
        }
    }
    CloseHandle(file);
    return check;
}

static HolidayCheck ReadHolidayFile(const char* path, HolidayTable* table, HolidayFileResult* refusal)
{
    std::string bytes;
    const HolidayCheck read = ReadBytes(path, &bytes, refusal);
    if (read != HolidayCheck::Loaded) {
        return read;
    }
    size_t skip = 0;
    if (DetectHolidayFileEncoding(bytes.data(), bytes.size(), &skip) == HolidayFileEncoding::Utf8) {
        std::string sjis;
        if (!Utf8ToShiftJis(bytes, skip, &sjis)) {
            *refusal = {HolidayFileProblem::NotReadable, 0};
            return HolidayCheck::Refused;
        }
        bytes.swap(sjis);
    }
    *refusal = ParseHolidayFile(bytes.data(), bytes.size(), table);
    return refusal->problem == HolidayFileProblem::None ? HolidayCheck::Loaded : HolidayCheck::Refused;
}

HolidayCheck CheckHolidayFile(HolidayFileStamp* stamp, HolidayTable* table, HolidayFileResult* refusal)
{
    char path[kAppPathSize];
    const HolidayFileStamp now = BuildAppPath(kHolidayFileName, path, sizeof path) ? LookAt(path)
                                                                                   : HolidayFileStamp{};
    if (SameStamp(now, *stamp)) {
        return HolidayCheck::Unchanged;
    }
    *refusal = {HolidayFileProblem::None, 0};
    HolidayCheck check = HolidayCheck::Removed;
    if (now.folder) {
        *refusal = {HolidayFileProblem::NotReadable, 0};
        check = HolidayCheck::Refused;
    } else if (now.present) {
        check = ReadHolidayFile(path, table, refusal);
    }
    if (check == HolidayCheck::Busy) {
        return check;
    }
    *stamp = now;
    if (check != HolidayCheck::Loaded) {
        *table = HolidayTable{};
    }
    return check;
}
