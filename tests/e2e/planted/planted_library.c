// A library that someone has put beside pelmo.exe under the name of a system
// library. Loading it leaves "<its own path>.loaded" behind, so a test can
// tell that the program took it instead of the system's. Its exports do just
// enough for the program's imports of that library to resolve and succeed.
// Lean: the system's own declarations of these exports are not wanted here.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <stdio.h>

static void LeaveMarker(HINSTANCE self)
{
    char library[MAX_PATH];
    DWORD length = GetModuleFileNameA(self, library, sizeof library);
    if (length == 0 || length >= sizeof library) {
        return;
    }
    char marker[MAX_PATH + 8];
    int written = snprintf(marker, sizeof marker, "%s.loaded", library);
    if (written < 0 || (size_t)written >= sizeof marker) {
        return;
    }
    HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        LeaveMarker(self);
    }
    return TRUE;
}

#if defined(PLANTED_GDIPLUS)
// Status Ok, with a token that the shutdown accepts.
__declspec(dllexport) int WINAPI GdiplusStartup(ULONG_PTR* token, const void* input, void* output)
{
    (void)input;
    (void)output;
    *token = 1;
    return 0;
}

__declspec(dllexport) void WINAPI GdiplusShutdown(ULONG_PTR token)
{
    (void)token;
}
#elif defined(PLANTED_COMCTL32)
__declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void* controls)
{
    (void)controls;
    return TRUE;
}
#elif defined(PLANTED_COMDLG32)
// As if the user had cancelled.
__declspec(dllexport) BOOL WINAPI ChooseColorA(void* choice)
{
    (void)choice;
    return FALSE;
}

__declspec(dllexport) BOOL WINAPI GetOpenFileNameA(void* open)
{
    (void)open;
    return FALSE;
}
#endif
