#include "platform/system_calls.h"

#include <objbase.h>
#include <shlobj.h>
#include <stdlib.h>

// The common dialogs are reached through these, so that their library's
// functions are looked up when a dialog is first opened, never at start.
static BOOL WINAPI SystemChooseColour(LPCHOOSECOLORA choose)
{
    return ChooseColorA(choose);
}

static BOOL WINAPI SystemOpenFileName(LPOPENFILENAMEA open)
{
    return GetOpenFileNameA(open);
}

static bool SystemSpecialFolder(HWND owner, int folderId, char* out, size_t size)
{
    if (size < MAX_PATH) {
        return false;   // the shell writes up to MAX_PATH bytes
    }
    out[0] = '\0';
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) {
        return false;
    }
    LPITEMIDLIST items = nullptr;
    bool found = false;
    if (SUCCEEDED(SHGetSpecialFolderLocation(owner, folderId, &items))) {
        found = SHGetPathFromIDListA(items, out) && out[0];
        allocator->Free(items);
    }
    allocator->Release();
    return found;
}

static int SystemRandom()
{
    return rand();
}

SystemCalls SystemOwnCalls()
{
    SystemCalls calls = {};
    calls.messageBox = MessageBoxA;
    calls.chooseColour = SystemChooseColour;
    calls.openFileName = SystemOpenFileName;
    calls.notifyIcon = Shell_NotifyIconA;
    calls.specialFolder = SystemSpecialFolder;
    calls.localTime = GetLocalTime;
    calls.tickCount = GetTickCount;
    calls.random = SystemRandom;
    calls.appFolder = nullptr;
    return calls;
}

// Made on first use, so that no order of static initialisation can find it
// empty.
static SystemCalls& CallsInForce()
{
    static SystemCalls calls = SystemOwnCalls();
    return calls;
}

const SystemCalls& System()
{
    return CallsInForce();
}

SystemCalls ReplaceSystemCalls(const SystemCalls& calls)
{
    const SystemCalls replaced = CallsInForce();
    CallsInForce() = calls;
    return replaced;
}
