#include "view/picture_record.h"

#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "platform/app_folder.h"
#include "settings/profile_text.h"
#include "settings/settings_edit.h"

static const char kSection[] = "pelmo.bmp";
static const char kSourceKey[] = "SOURCE";
static const char kSourceSizeKey[] = "SOURCESIZE";
static const char kSourceTimeKey[] = "SOURCETIME";
static const char kBitmapSizeKey[] = "BMPSIZE";
static const char kBitmapTimeKey[] = "BMPTIME";
static const char kScreenWidthKey[] = "SCREENWIDTH";
static const char kScreenHeightKey[] = "SCREENHEIGHT";
// FAT keeps write times to two seconds: a source written again within
// that step, at the same size, would show the same stamp.
static const uint64_t kCoarsestTimeStep = 2ull * 10000000ull;

struct ConversionRecord {
    std::string source;
    FileStamp sourceStamp;
    FileStamp bitmapStamp;
    // Of a picture larger than the screen only a screen's worth is kept:
    // on another screen the conversion would keep another part.
    uint64_t screenWidth, screenHeight;
};

static uint64_t ScreenWidth()
{
    return (uint64_t)GetSystemMetrics(SM_CXSCREEN);
}

static uint64_t ScreenHeight()
{
    return (uint64_t)GetSystemMetrics(SM_CYSCREEN);
}

bool ConversionRecordPath(const char* convertedFile, char* out, size_t size)
{
    const int n = snprintf(out, size, "%s%s", convertedFile, kConversionRecordSuffix);
    return n > 0 && (size_t)n < size;
}

// A whole decimal number and nothing else.
static bool ReadNumber(const ProfileSection& section, const char* key, uint64_t* number)
{
    std::string text;
    if (!FindProfileValue(section, key, &text) || text.empty() || text[0] < '0' || text[0] > '9') {
        return false;
    }
    char* end = nullptr;
    *number = strtoull(text.c_str(), &end, 10);
    return end && *end == '\0';
}

static bool ReadRecord(const char* path, ConversionRecord* record)
{
    std::string bytes;
    if (!ReadFileWhole(path, &bytes)) {
        return false;
    }
    const ProfileSection section = DocumentSection(ParseProfileDocument(bytes), kSection);
    return FindProfileValue(section, kSourceKey, &record->source) &&
           ReadNumber(section, kSourceSizeKey, &record->sourceStamp.size) &&
           ReadNumber(section, kSourceTimeKey, &record->sourceStamp.written) &&
           ReadNumber(section, kBitmapSizeKey, &record->bitmapStamp.size) &&
           ReadNumber(section, kBitmapTimeKey, &record->bitmapStamp.written) &&
           ReadNumber(section, kScreenWidthKey, &record->screenWidth) &&
           ReadNumber(section, kScreenHeightKey, &record->screenHeight);
}

bool ConversionIsCurrent(const char* source, const char* convertedFile)
{
    char path[kAppPathSize];
    ConversionRecord record;
    FileStamp sourceNow, bitmapNow;
    return ConversionRecordPath(convertedFile, path, sizeof path) && ReadRecord(path, &record) &&
           record.source == source && record.screenWidth == ScreenWidth() &&
           record.screenHeight == ScreenHeight() && ReadFileStamp(source, &sourceNow) &&
           SameFileStamp(sourceNow, record.sourceStamp) && ReadFileStamp(convertedFile, &bitmapNow) &&
           SameFileStamp(bitmapNow, record.bitmapStamp);
}

void ForgetConversion(const char* convertedFile)
{
    char path[kAppPathSize];
    if (ConversionRecordPath(convertedFile, path, sizeof path)) {
        DeleteFileA(path);
    }
}

static std::string Number(uint64_t value)
{
    char text[24];
    snprintf(text, sizeof text, "%llu", (unsigned long long)value);
    return text;
}

bool RecordConversion(const char* source, const FileStamp& before, const char* convertedFile)
{
    char path[kAppPathSize];
    FileStamp sourceNow, bitmap;
    if (!ConversionRecordPath(convertedFile, path, sizeof path) || !ReadFileStamp(source, &sourceNow) ||
        !SameFileStamp(sourceNow, before) || before.written + kCoarsestTimeStep > FileClockNow() ||
        !ReadFileStamp(convertedFile, &bitmap)) {
        return false;
    }
    ProfileDocument document;
    SetDocumentValue(&document, kSection, kSourceKey, source);
    SetDocumentValue(&document, kSection, kSourceSizeKey, Number(before.size));
    SetDocumentValue(&document, kSection, kSourceTimeKey, Number(before.written));
    SetDocumentValue(&document, kSection, kBitmapSizeKey, Number(bitmap.size));
    SetDocumentValue(&document, kSection, kBitmapTimeKey, Number(bitmap.written));
    SetDocumentValue(&document, kSection, kScreenWidthKey, Number(ScreenWidth()));
    SetDocumentValue(&document, kSection, kScreenHeightKey, Number(ScreenHeight()));
    return ReplaceFileWhole(path, ProfileDocumentText(document));
}
