#include "settings/settings_file.h"

#include <stdio.h>
#include <string.h>

#include "platform/app_folder.h"

// Long enough for any 32-bit number with sign and some stray text after it.
static const DWORD kIntTextSize = 64;
// A default that a present key can never read back as, since the first read
// with an empty default already returned an empty value.
static const char* const kMissingMarker = "?";

bool SettingsPath(const char* file, char* out, size_t size)
{
    return BuildAppPath(file, out, size);
}

bool SettingsFileExists()
{
    char path[kAppPathSize];
    if (!SettingsPath(kSettingsFile, path, sizeof path)) {
        return false;
    }
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The platform's integer reader also takes "0x" prefixes and returns the
// default for an empty value; the file's rule is plain signed decimal, so the
// text is read and parsed here.
static int32_t ParseLeadingDecimal(const char* text)
{
    const char* p = text;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = *p == '-';
        ++p;
    }
    uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10u + (uint32_t)(*p - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return (int32_t)value;
}

int32_t ReadSettingInt(const char* file, const char* section, const char* key, int32_t defaultValue)
{
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path)) {
        return defaultValue;
    }
    char text[kIntTextSize];
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

bool WriteSettingInt(const char* file, const char* section, const char* key, int32_t value)
{
    char text[kIntTextSize];
    snprintf(text, sizeof text, "%d", (int)value);
    return WriteSettingString(file, section, key, text);
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

void ReadSettingString(const char* file, const char* section, const char* key,
                       const char* defaultText, char* buffer, size_t size)
{
    if (size == 0) {
        return;
    }
    DWORD capacity = size > MAXDWORD ? MAXDWORD : (DWORD)size;
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path)) {
        snprintf(buffer, capacity, "%s", defaultText);
    } else {
        GetPrivateProfileStringA(section, key, defaultText, buffer, capacity, path);
    }
    TrimPartialCharacter(buffer);
}

bool WriteSettingString(const char* file, const char* section, const char* key, const char* text)
{
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path)) {
        return false;
    }
    return WritePrivateProfileStringA(section, key, text, path) != FALSE;
}
