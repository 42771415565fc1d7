#include "settings/settings_edit.h"

#include <stdio.h>

#include <vector>

#include "platform/app_folder.h"
#include "settings/settings_file.h"

// A settings file holds the designs and a few small sections: 999 designs
// take under a megabyte. Anything much larger is not one.
static const DWORD kLargestSettingsFile = 16u << 20;
static const char kNewSuffix[] = ".new";
static const char kCaption[] = "『ポルカミナ』";

static unsigned s_writes;

static bool ReadWholeFile(const char* path, std::string* bytes, bool* absent)
{
    *absent = false;
    bytes->clear();
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        *absent = error == ERROR_FILE_NOT_FOUND;
        return *absent;
    }
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= kLargestSettingsFile;
    if (ok) {
        bytes->resize((size_t)size.QuadPart);
        DWORD got = 0;
        ok = bytes->empty() ||
             (ReadFile(file, &(*bytes)[0], (DWORD)bytes->size(), &got, nullptr) && got == bytes->size());
    }
    CloseHandle(file);
    return ok;
}

// The profile API reads a file with a byte order mark as UTF-8 or UTF-16;
// the program works in the system's code page, so such a file is taken in
// that code page and written back in it.
static std::string ToSystemCodePage(const std::string& bytes)
{
    const unsigned char* b = (const unsigned char*)bytes.data();
    std::wstring wide;
    if (bytes.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data() + 3, (int)bytes.size() - 3, nullptr, 0);
        wide.resize((size_t)(n > 0 ? n : 0));
        if (n > 0) {
            MultiByteToWideChar(CP_UTF8, 0, bytes.data() + 3, (int)bytes.size() - 3, &wide[0], n);
        }
    } else if (bytes.size() >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))) {
        const bool bigEndian = b[0] == 0xFE;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            wide += bigEndian ? (wchar_t)((b[i] << 8) | b[i + 1]) : (wchar_t)(b[i] | (b[i + 1] << 8));
        }
    } else {
        return bytes;
    }
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
    std::string text((size_t)(n > 0 ? n : 0), '\0');
    if (n > 0) {
        WideCharToMultiByte(CP_ACP, 0, wide.data(), (int)wide.size(), &text[0], n, nullptr, nullptr);
    }
    return text;
}

bool ReadSettingsBytes(const char* file, std::string* bytes)
{
    char path[kAppPathSize];
    bool absent = false;
    return SettingsPath(file, path, sizeof path) && ReadWholeFile(path, bytes, &absent);
}

bool ReadSettingsText(const char* file, std::string* text)
{
    std::string bytes;
    if (!ReadSettingsBytes(file, &bytes)) {
        return false;
    }
    *text = ToSystemCodePage(bytes);
    return true;
}

// Written through to the disk and closed without an error before anything
// may be replaced by it.
static bool WriteNewFile(const char* path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        DWORD wrote = 0;
        ok = WriteFile(file, bytes.data() + done, (DWORD)(bytes.size() - done), &wrote, nullptr) && wrote > 0;
        done += wrote;
    }
    ok = ok && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

// What is on the disk, not what the cache holds, is compared.
static bool ReadsBackAs(const char* path, const std::string& bytes)
{
    std::string back;
    bool absent = false;
    return ReadWholeFile(path, &back, &absent) && !absent && back == bytes;
}

// Under Wine the profile API keeps a file it has read and may miss a
// rewrite made within the same tick of the file's clock: it is told to let
// go of it, so that the next read takes what is on the disk.
static void ForgetCachedProfile(const char* path)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
}

// A file marked read-only is the user's word that it must not change, even
// though a move could replace it.
static bool MarkedReadOnly(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

bool ReplaceFileWhole(const char* path, const std::string& bytes)
{
    char newPath[kAppPathSize];
    const int n = snprintf(newPath, sizeof newPath, "%s%s", path, kNewSuffix);
    if (n < 0 || n >= (int)sizeof newPath) {
        return false;
    }
    if (!WriteNewFile(newPath, bytes) || !ReadsBackAs(newPath, bytes) ||
        !MoveFileExA(newPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(newPath);
        return false;
    }
    return true;
}

bool ReadFileWhole(const char* path, std::string* bytes)
{
    bool absent = false;
    return ReadWholeFile(path, bytes, &absent) && !absent;
}

bool ReplaceSettingsBytes(const char* file, const std::string& bytes)
{
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path) || MarkedReadOnly(path)) {
        return false;
    }
    ++s_writes;
    if (!ReplaceFileWhole(path, bytes)) {
        return false;
    }
    ForgetCachedProfile(path);
    return true;
}

bool BeginSettingsEdit(const char* file, SettingsEdit* edit)
{
    std::string text;
    if (!ReadSettingsText(file, &text)) {
        return false;
    }
    edit->file = file;
    edit->document = ParseProfileDocument(text);
    edit->changed = false;
    return true;
}

ProfileSection EditedSection(const SettingsEdit& edit, const char* section)
{
    return DocumentSection(edit.document, section);
}

void SetSetting(SettingsEdit* edit, const char* section, const char* key, const char* value)
{
    if (SetDocumentValue(&edit->document, section, key, value)) {
        edit->changed = true;
    }
}

void SetSettingInt(SettingsEdit* edit, const char* section, const char* key, int32_t value)
{
    char text[16];
    snprintf(text, sizeof text, "%d", (int)value);
    SetSetting(edit, section, key, text);
}

void ReplaceSettingsSection(SettingsEdit* edit, const char* section, const ProfileSection& keys)
{
    if (ReplaceDocumentSection(&edit->document, section, keys)) {
        edit->changed = true;
    }
}

void RemoveSettingsSections(SettingsEdit* edit, const char* section)
{
    if (RemoveDocumentSections(&edit->document, section)) {
        edit->changed = true;
    }
}

void MarkSettingsChanged(SettingsEdit* edit)
{
    edit->changed = true;
}

bool CommitSettingsEdit(SettingsEdit* edit)
{
    if (!edit->changed) {
        return true;
    }
    if (!ReplaceSettingsBytes(edit->file.c_str(), ProfileDocumentText(edit->document))) {
        return false;
    }
    edit->changed = false;
    return true;
}

unsigned SettingsWriteCount()
{
    return s_writes;
}

void TellSettingsNotSaved(HWND owner)
{
    MessageBoxA(owner, kSettingsNotSavedText, kCaption, MB_ICONERROR | MB_OK);
}
