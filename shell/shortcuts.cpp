#include "shell/shortcuts.h"

#include <objbase.h>
#include <shlobj.h>
#include <stdio.h>
#include <string.h>

#include "platform/system_calls.h"

static const char kLinkName[] = "ポルカミナ.lnk";

// The folder's path, a backslash and the link name, as the UTF-16 path the
// link object saves to. False when it does not fit in MAX_PATH.
static bool LinkFilePath(HWND owner, int folderId, const char* linkName, WCHAR* out, size_t count)
{
    char folder[MAX_PATH];
    if (!System().specialFolder(owner, folderId, folder, sizeof folder) || !folder[0]) {
        return false;
    }
    // A drive's root already ends in its separator; the byte before the end
    // may also be the second half of a double-byte character.
    const char* last = CharPrevA(folder, folder + strlen(folder));
    const char* separator = *last == '\\' ? "" : "\\";
    char path[MAX_PATH];
    int n = snprintf(path, sizeof path, "%s%s%s", folder, separator, linkName);
    if (n < 0 || (size_t)n >= sizeof path) {
        return false;
    }
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, out, (int)count) > 0;
}

bool CreateShortcutInFolder(HWND owner, const char* linkName, const char* target, int folderId)
{
    WCHAR linkPath[MAX_PATH];
    if (!LinkFilePath(owner, folderId, linkName, linkPath, MAX_PATH)) {
        return false;
    }
    // Already initialised in another mode, COM still serves this thread; only
    // a call that succeeded is balanced.
    const HRESULT com = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   (void**)&link)) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void**)&file)) &&
        SUCCEEDED(link->SetPath(target))) {
        saved = SUCCEEDED(file->Save(linkPath, TRUE));
    }
    if (file) {
        file->Release();
    }
    if (link) {
        link->Release();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return saved;
}

bool CreateShortcut(HWND owner, int folderId)
{
    char target[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, target, sizeof target);
    if (length == 0 || length >= sizeof target) {
        return false;
    }
    return CreateShortcutInFolder(owner, kLinkName, target, folderId);
}
