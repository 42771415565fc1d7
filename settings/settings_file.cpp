#include "settings/settings_file.h"

#include <stdio.h>
#include <string.h>

#include <vector>

#include "platform/app_folder.h"

// Long enough for any 32-bit number with sign and some stray text after it.
static const DWORD kIntTextSize = 64;
// A default that a present key can never read back as, since the first read
// with an empty default already returned an empty value.
static const char* const kMissingMarker = "?";

static unsigned s_reads;

bool SettingsPath(const char* file, char* out, size_t size)
{
    return BuildAppPath(file, out, size);
}

bool SettingsFileExists(const char* file)
{
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path)) {
        return false;
    }
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int32_t ReadSettingInt(const char* file, const char* section, const char* key, int32_t defaultValue)
{
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path)) {
        return defaultValue;
    }
    char text[kIntTextSize];
    ++s_reads;
    if (GetPrivateProfileStringA(section, key, "", text, sizeof text, path) > 0) {
        return ParseLeadingDecimal(text);
    }
    // Empty: either the key is missing or it is present without a value.
    GetPrivateProfileStringA(section, key, kMissingMarker, text, sizeof text, path);
    if (strcmp(text, kMissingMarker) == 0) {
        return defaultValue;
    }
    return 0;
}

void TrimPartialCharacter(char* text)
{
    for (char* p = text; *p; ++p) {
        if (IsDBCSLeadByte((BYTE)*p)) {
            if (p[1] == '\0') {
                *p = '\0';
                return;
            }
            ++p;
        }
    }
}

void ReadSettingString(const char* file, const char* section, const char* key, const char* defaultText,
                       char* buffer, size_t size)
{
    if (size == 0) {
        return;
    }
    DWORD capacity = size > MAXDWORD ? MAXDWORD : (DWORD)size;
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path)) {
        snprintf(buffer, capacity, "%s", defaultText);
    } else {
        ++s_reads;
        GetPrivateProfileStringA(section, key, defaultText, buffer, capacity, path);
    }
    TrimPartialCharacter(buffer);
}

// The profile API reports a full buffer by returning its size less 2; the
// buffer grows until the section fits, up to a size no section of ours
// comes near.
static const DWORD kFirstSectionSize = 4096;
static const DWORD kLargestSectionSize = 1u << 20;

ProfileSection ReadSettingsSection(const char* file, const char* section)
{
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path)) {
        return ProfileSection();
    }
    ++s_reads;
    for (DWORD size = kFirstSectionSize; size <= kLargestSectionSize; size *= 2) {
        std::vector<char> list(size, '\0');
        const DWORD length = GetPrivateProfileSectionA(section, list.data(), size, path);
        if (length + 2 < size) {
            return ParseSectionList(list.data(), length + 1);
        }
    }
    return ProfileSection();
}

unsigned SettingsReadCount()
{
    return s_reads;
}
