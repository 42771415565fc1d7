#include "settings/settings_copy.h"

#include <windows.h>

#include <string>

#include "platform/app_folder.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"

// A source that is not there copies nothing: an empty destination would
// read as a file without designs.
bool CopySettingsFile(const char* source, const char* destination)
{
    char path[kAppPathSize];
    std::string bytes;
    return SettingsPath(source, path, sizeof path) && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES &&
           ReadSettingsBytes(source, &bytes) && ReplaceSettingsBytes(destination, bytes);
}

bool DeleteSettingsFile(const char* name)
{
    char path[kAppPathSize];
    if (!SettingsPath(name, path, sizeof path)) {
        return false;
    }
    return DeleteFileA(path) || GetLastError() == ERROR_FILE_NOT_FOUND;
}
