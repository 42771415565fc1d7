#include "platform/system_library.h"

#include <stdio.h>
#include <string.h>

// Older SDK headers lack the flag.
#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

// Both come with the loader update of 2011 (KB2533623) and are looked up at
// run time, so the program still starts on a Windows 7 without it.
typedef BOOL(WINAPI* SetDefaultDllDirectoriesProc)(DWORD);
static const char kSetDefaultDllDirectories[] = "SetDefaultDllDirectories";
// Present exactly where LoadLibraryEx accepts the LOAD_LIBRARY_SEARCH flags.
static const char kAddDllDirectory[] = "AddDllDirectory";

// What GetProcAddress gives, in the one function type that converts to any
// other without a warning.
typedef void (*AnyProc)();

static AnyProc Kernel32Procedure(const char* name)
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) {
        return nullptr;
    }
    return reinterpret_cast<AnyProc>(GetProcAddress(kernel, name));
}

bool RestrictLibrarySearch()
{
    SetDefaultDllDirectoriesProc setDefault = reinterpret_cast<SetDefaultDllDirectoriesProc>(
        Kernel32Procedure(kSetDefaultDllDirectories));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return true;
    }
    SetDllDirectoryA("");
    return false;
}

static bool IsBareFileName(const char* name)
{
    return name && name[0] != '\0' && strpbrk(name, "\\/:") == nullptr;
}

HMODULE LoadSystemLibrary(const char* name)
{
    if (!IsBareFileName(name)) {
        return nullptr;
    }
    if (!Kernel32Procedure(kAddDllDirectory)) {
        return LoadSystemLibraryByPath(name);
    }
    return LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibraryByPath(const char* name)
{
    if (!IsBareFileName(name)) {
        return nullptr;
    }
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) {
        return nullptr;
    }
    char path[MAX_PATH];
    int written = snprintf(path, sizeof path, "%s\\%s", folder, name);
    if (written < 0 || (size_t)written >= sizeof path) {
        return nullptr;
    }
    // Altered search: the library's own dependencies are looked for beside
    // it, in the system folder, before the program's folder.
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
