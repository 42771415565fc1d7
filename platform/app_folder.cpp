#include "platform/app_folder.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "platform/system_calls.h"

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

// The folder the record of system calls names, with its trailing
// backslash. A folder too long to use is refused: paths must then fail
// rather than fall back to the executable's folder.
static bool ChosenFolder(const char* chosen, char* out, size_t size)
{
    size_t len = strlen(chosen);
    bool slash = len > 0 && AfterLastSeparator(chosen) == chosen + len;
    int n = snprintf(out, size, "%s%s", chosen, slash ? "" : "\\");
    return n >= 0 && (size_t)n < size;
}

bool BuildAppPath(const char* name, char* out, size_t size)
{
    if (size == 0) {
        return false;
    }
    out[0] = '\0';
    char folder[kAppPathSize];
    const char* chosen = System().appFolder;
    if (chosen ? !ChosenFolder(chosen, folder, sizeof folder) : !ExecutableFolder(folder, sizeof folder)) {
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
