#include "platform/system_calls.h"

#include <objbase.h>
#include <shlobj.h>
#include <stdlib.h>

// The record holds functions of ours that call the system, never an
// imported function's address: a library imported lazily (the common
// dialogs, the shell) is then loaded when it is first called, not when
// the record is made, and each call finds the function as resolved.
static int WINAPI SystemMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    return MessageBoxA(owner, text, caption, flags);
}

static BOOL WINAPI SystemChooseColour(LPCHOOSECOLORA choose)
{
    return ChooseColorA(choose);
}

static BOOL WINAPI SystemOpenFileName(LPOPENFILENAMEA open)
{
    return GetOpenFileNameA(open);
}

static BOOL WINAPI SystemNotifyIcon(DWORD message, PNOTIFYICONDATAA data)
{
    return Shell_NotifyIconA(message, data);
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

static void WINAPI SystemLocalTime(LPSYSTEMTIME time)
{
    GetLocalTime(time);
}

static DWORD WINAPI SystemTickCount()
{
    return GetTickCount();
}

static int SystemRandom()
{
    return rand();
}

SystemCalls SystemOwnCalls()
{
    SystemCalls calls = {};
    calls.messageBox = SystemMessageBox;
    calls.chooseColour = SystemChooseColour;
    calls.openFileName = SystemOpenFileName;
    calls.notifyIcon = SystemNotifyIcon;
    calls.specialFolder = SystemSpecialFolder;
    calls.localTime = SystemLocalTime;
    calls.tickCount = SystemTickCount;
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
