// Reading pelmo.ini and its working copy temp.ini through the private-profile
// API. Files are named by their bare name and sit beside the executable;
// nothing is cached: every read goes to the file. Every write goes through
// settings_edit.h, which writes a file whole or not at all.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include "settings/design_record.h"
#include "settings/profile_text.h"

constexpr const char* kSettingsFile = "pelmo.ini";
constexpr const char* kWorkingFile = "temp.ini";

// The file's full path beside the executable; false when it would not fit.
bool SettingsPath(const char* file, char* out, size_t size);
bool SettingsFileExists(const char* file);

// A present key reads as its leading signed decimal number (0 when the text
// does not start with one); a missing file, section or key reads as the
// default. Values wrap to 32 bits as the platform's own reader does.
int32_t ReadSettingInt(const char* file, const char* section, const char* key, int32_t defaultValue);

// Copies the value, or the default when the key is missing, into the buffer,
// cut to fit but never in the middle of a double-byte character.
void ReadSettingString(const char* file, const char* section, const char* key, const char* defaultText,
                       char* buffer, size_t size);

// The keys of a whole section in one read, as GetPrivateProfileSectionA
// hands them out; none when the file or the section is missing.
ProfileSection ReadSettingsSection(const char* file, const char* section);

// How many profile reads the program has made (tests count them).
unsigned SettingsReadCount();

// Cuts a string that ends in the first byte of a double-byte character.
void TrimPartialCharacter(char* text);
