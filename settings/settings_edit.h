// One step's change to a settings file, made whole or not at all. The file
// is read whole, changed in memory, written whole beside itself, read back
// and compared, and only then put in its place in one move. A step that
// cannot be completed (a full disk, a read-only or locked file) leaves the
// file byte for byte as it was and says so, so that nothing the user made is
// lost behind a message that claims success.
//
// The profile API's own writes cannot serve here: they rewrite the whole
// file in place, and under Wine they report success for a file they could
// not write and then read back what they never stored.
#pragma once
#include <windows.h>
#include <stdint.h>

#include <string>

#include "settings/profile_text.h"

struct SettingsEdit {
    std::string file;           // the bare name beside the executable
    ProfileDocument document;   // its content, changed in memory
    bool changed;               // a reader would now get something else
};

// Reads the file (an absent one is empty). False when it exists but cannot
// be read whole: locked, a folder, or too large to be a settings file.
bool BeginSettingsEdit(const char* file, SettingsEdit* edit);

// The keys of a section as the edit now holds them.
ProfileSection EditedSection(const SettingsEdit& edit, const char* section);

void SetSetting(SettingsEdit* edit, const char* section, const char* key, const char* value);
void SetSettingInt(SettingsEdit* edit, const char* section, const char* key, int32_t value);
// The section holds exactly these keys afterwards, unknown ones included.
void ReplaceSettingsSection(SettingsEdit* edit, const char* section, const ProfileSection& keys);
void RemoveSettingsSections(SettingsEdit* edit, const char* section);
// For changes made on edit->document directly.
void MarkSettingsChanged(SettingsEdit* edit);

// Puts the edit in place of the file; true without writing anything when no
// value changed. False, the file as it was, when the new content could not
// be written and read back whole or could not take the file's place.
bool CommitSettingsEdit(SettingsEdit* edit);

// The whole file as it is on the disk, and as text in the system's code
// page (a file with a byte order mark is converted). False when it exists
// but cannot be read whole; an absent file is empty.
bool ReadSettingsBytes(const char* file, std::string* bytes);
bool ReadSettingsText(const char* file, std::string* text);

// Makes bytes the file's content through the same careful steps. False, the
// file as it was, also when it is marked read-only.
bool ReplaceSettingsBytes(const char* file, const std::string& bytes);

// The same steps for a small file of the program's own given by its full
// path: written whole beside itself, read back and moved into its place.
// Not counted as a settings file's write.
bool ReplaceFileWhole(const char* path, const std::string& bytes);
// The whole of such a file; false when it is absent or cannot be read.
bool ReadFileWhole(const char* path, std::string* bytes);

// How many times a settings file was written whole (tests count them).
unsigned SettingsWriteCount();

// The one message for a step that could not be saved, owned by owner.
void TellSettingsNotSaved(HWND owner);
constexpr const char* kSettingsNotSavedText =
    "設定ファイルを保存できませんでした。ディスクの空き容量を確認してください。\n"
    "設定ファイルが読み取り専用になっていないか、ほかのプログラムが開いていないかも確認してください。";
