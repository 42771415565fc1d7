#include "platform/app_folder.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

static char s_overrideFolder[kAppPathSize];
// Set while an override is asked for, even one too long to keep: paths must
// then fail rather than fall back to the executable's folder.
static bool s_overridden;

// Steps by character: in code page 932 the byte 0x5C can also be the second
// half of a double-byte character ("表" is 0x95 0x5C).
static const char* AfterLastSeparator(const char* path)
{
    const char* after = path;
    for (const char* p = path; *p; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/') {
            after = p + 1;
        }
    }
    return after;
}

// The folder of the running executable with its trailing backslash.
static bool ExecutableFolder(char* out, size_t size)
{
    char module[kAppPathSize];
    DWORD len = GetModuleFileNameA(nullptr, module, sizeof module);
    if (len == 0 || len >= sizeof module) {
        return false;
    }
    const char* afterSlash = AfterLastSeparator(module);
    size_t folderLen = (size_t)(afterSlash - module);
    if (folderLen + 1 > size) {
        return false;
    }
    memcpy(out, module, folderLen);
    out[folderLen] = '\0';
    return true;
}

bool BuildAppPath(const char* name, char* out, size_t size)
{
    if (size == 0) {
        return false;
    }
    out[0] = '\0';
    char folder[kAppPathSize];
    if (s_overridden) {
        if (!s_overrideFolder[0]) {
            return false;
        }
        snprintf(folder, sizeof folder, "%s", s_overrideFolder);
    } else if (!ExecutableFolder(folder, sizeof folder)) {
        return false;
    }
    size_t limit = size < kAppPathSize ? size : kAppPathSize;
    int n = snprintf(out, limit, "%s%s", folder, name);
    if (n < 0 || (size_t)n >= limit) {
        out[0] = '\0';
        return false;
    }
    return true;
}

void OverrideAppFolder(const char* folder)
{
    s_overrideFolder[0] = '\0';
    s_overridden = folder != nullptr;
    if (!folder) {
        return;
    }
    size_t len = strlen(folder);
    bool slash = len > 0 && AfterLastSeparator(folder) == folder + len;
    int n = snprintf(s_overrideFolder, sizeof s_overrideFolder, "%s%s", folder, slash ? "" : "\\");
    if (n < 0 || (size_t)n >= sizeof s_overrideFolder) {
        s_overrideFolder[0] = '\0';
    }
}
