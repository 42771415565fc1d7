#include "tests/win/test_support.h"

#include <stdio.h>
#include <string.h>

#include <atomic>
#include <fstream>
#include <iterator>

#include <gdiplus.h>

#include "res/resource.h"
#include "platform/app_folder.h"
#include "platform/app_instance.h"
#include "settings/settings_file.h"
#include "shell/owner_window.h"
#include "view/gdiplus_session.h"
#include "view/picture.h"

void RemoveTestFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string path = folder + found.cFileName;
            if (!strcmp(found.cFileName, ".") || !strcmp(found.cFileName, "..")) {
                continue;
            }
            // Tests leave read-only files and folders behind on purpose.
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTestFolder(path + "\\");
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

std::string SmallVolume()
{
    char volume[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("PELMO_FULL_VOLUME", volume, sizeof volume);
    return length > 0 && length < sizeof volume ? std::string(volume) + "\\" : std::string();
}

static const char kFiller[] = "filler";

bool FillVolume(const std::string& folder)
{
    HANDLE file = CreateFileA((folder + kFiller).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    SetFilePointer(file, 0, nullptr, FILE_END);
    std::vector<char> chunk(4096, 'f');
    DWORD wrote = 0;
    for (size_t size = chunk.size(); size > 0; size /= 2) {
        while (WriteFile(file, chunk.data(), (DWORD)size, &wrote, nullptr) && wrote == size) {
        }
    }
    CloseHandle(file);
    return true;
}

void FreeVolume(const std::string& folder)
{
    DeleteFileA((folder + kFiller).c_str());
}

void AppFolderTest::SetUp()
{
    // A unique temporary file's name becomes the folder's: unique across
    // processes too, where a process id would not be (Wine reuses them).
    char temp[MAX_PATH];
    char name[MAX_PATH];
    if (OnSmallVolume()) {
        const std::string volume = SmallVolume();
        if (volume.empty()) {
            GTEST_SKIP() << "run through tests/tools/with-small-volume";
        }
        snprintf(temp, sizeof temp, "%s", volume.c_str());
    } else {
        ASSERT_TRUE(GetTempPathA(sizeof temp, temp));
    }
    ASSERT_TRUE(GetTempFileNameA(temp, "pel", 0, name));
    DeleteFileA(name);
    ASSERT_TRUE(CreateDirectoryA(name, nullptr));
    folder_ = std::string(name) + "\\";
    standIns_.AppFolder(folder_);
}

void AppFolderTest::TearDown()
{
    if (!folder_.empty()) {
        RemoveTestFolder(folder_);
    }
}

void AppFolderWithOwnerTest::SetUp()
{
    AppFolderTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    window_ = CreateScratchWindow();
    ASSERT_NE(nullptr, window_);
}

void AppFolderWithOwnerTest::TearDown()
{
    DestroyWindow(window_);
    AppFolderTest::TearDown();
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) {
        return false;
    }
    bool written = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && written;
}

bool WriteSettingString(const char* file, const char* section, const char* key, const char* text)
{
    char path[kAppPathSize];
    return SettingsPath(file, path, sizeof path) && WritePrivateProfileStringA(section, key, text, path);
}

bool WriteSettingInt(const char* file, const char* section, const char* key, int32_t value)
{
    return WriteSettingString(file, section, key, std::to_string(value).c_str());
}

bool EditSettings(const char* file, const std::function<void(SettingsEdit*)>& step)
{
    SettingsEdit edit;
    if (!BeginSettingsEdit(file, &edit)) {
        return false;
    }
    step(&edit);
    return CommitSettingsEdit(&edit);
}

bool WriteBrushKeys(const char* file, int32_t style, COLORREF color, int32_t hatch)
{
    return WriteSettingInt(file, "BGBRUSH", "STYLE", style) &&
           WriteSettingInt(file, "BGBRUSH", "COLOR", (int32_t)color) &&
           WriteSettingInt(file, "BGBRUSH", "HATCH", hatch);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<none>";
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HWND CreateScratchWindow(int width, int height)
{
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr,
                           nullptr);
}

bool CreateSurface(Surface* surface, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    *surface = {CreateCompatibleDC(nullptr), nullptr, nullptr, width};
    surface->bitmap = CreateDIBSection(surface->dc, &info, DIB_RGB_COLORS, (void**)&surface->bits, nullptr,
                                       0);
    return surface->bitmap && SelectObject(surface->dc, surface->bitmap);
}

void DestroySurface(Surface* surface)
{
    // Once its surface is gone nothing is selected in: every object can go.
    DeleteDC(surface->dc);
    DeleteObject(surface->bitmap);
    *surface = {};
}

COLORREF SurfacePixel(const Surface& surface, int x, int y)
{
    const DWORD bgra = surface.bits[y * surface.width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

struct DialogSearch {
    HWND owner;
    HWND found;
};

static BOOL CALLBACK MatchDialog(HWND window, LPARAM param)
{
    DialogSearch* search = (DialogSearch*)param;
    char cls[16];
    GetClassNameA(window, cls, sizeof cls);
    if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(window) ||
        (search->owner && GetWindow(window, GW_OWNER) != search->owner)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND FindDialog(DWORD thread, HWND owner)
{
    DialogSearch search = {owner, nullptr};
    EnumThreadWindows(thread, MatchDialog, (LPARAM)&search);
    return search.found;
}

static BOOL CALLBACK ReadControl(HWND child, LPARAM param)
{
    DialogSeen* seen = (DialogSeen*)param;
    char cls[16];
    char text[256];
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0) {
        return TRUE;
    }
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        seen->icon = (HICON)SendMessageA(child, STM_GETICON, 0, 0);
    } else if (GetWindowTextA(child, text, sizeof text) > 0) {
        seen->texts += text;
        seen->texts += "|";
    }
    return TRUE;
}

void ReadDialog(HWND dialog, DialogSeen* seen)
{
    char caption[128] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    seen->dialog = dialog;
    seen->owner = GetWindow(dialog, GW_OWNER);
    seen->caption = caption;
    EnumChildWindows(dialog, ReadControl, (LPARAM)seen);
}

static DWORD WINAPI WatchForDialog(void* param)
{
    DialogWatch* watch = (DialogWatch*)param;
    HWND dialog = nullptr;
    for (;;) {
        // One more look after the stop: a dialog left open when the call
        // returned still counts.
        bool last = watch->stop;
        dialog = FindDialog(watch->thread);
        if (dialog || last) {
            break;
        }
        Sleep(20);
    }
    if (!dialog) {
        return 0;
    }
    ReadDialog(dialog, &watch->seen);
    if (watch->act) {
        watch->act(dialog, watch);
    } else {
        PostMessageA(dialog, WM_COMMAND, watch->press, 0);
    }
    return 0;
}

HANDLE StartDialogWatch(DialogWatch* watch)
{
    watch->thread = GetCurrentThreadId();
    watch->stop = false;
    return CreateThread(nullptr, 0, WatchForDialog, watch, 0, nullptr);
}

void EndDialogWatch(HANDLE watcher, DialogWatch* watch)
{
    watch->stop = true;
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
}

struct DialogSeries {
    const std::function<WPARAM(const DialogSeen&)>* answer = nullptr;
    std::vector<DialogSeen> seen;
    DWORD thread = 0;
    std::atomic<bool> stop{false};
};

// Each dialog is answered once, and the next one looked for only after it
// has gone.
static DWORD WINAPI AnswerEach(void* param)
{
    DialogSeries* series = (DialogSeries*)param;
    for (;;) {
        const bool last = series->stop;
        HWND dialog = FindDialog(series->thread);
        if (!dialog) {
            if (last) {
                return 0;
            }
            Sleep(20);
            continue;
        }
        DialogSeen seen = {};
        ReadDialog(dialog, &seen);
        series->seen.push_back(seen);
        PostMessageA(dialog, WM_COMMAND, (*series->answer)(seen), 0);
        while (IsWindow(dialog) && IsWindowVisible(dialog)) {
            Sleep(20);
        }
    }
}

std::vector<DialogSeen> AnswerDialogs(const std::function<void()>& call,
                                      const std::function<WPARAM(const DialogSeen&)>& answer)
{
    DialogSeries series;
    series.answer = &answer;
    series.thread = GetCurrentThreadId();
    HANDLE watcher = CreateThread(nullptr, 0, AnswerEach, &series, 0, nullptr);
    call();
    series.stop = true;
    // Messages keep flowing while the watcher takes its last look.
    while (MsgWaitForMultipleObjects(1, &watcher, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    CloseHandle(watcher);
    return series.seen;
}

void PressKey(HWND target, WPARAM key)
{
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

// Between two looks at the condition: short, so a wait ends soon after it.
static const DWORD kPollMs = 10;

static bool Wait(const std::function<bool()>& done, bool pump, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (pump) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (done()) {
            return true;
        }
        if (GetTickCount() - start >= limitMs) {
            return false;
        }
        Sleep(kPollMs);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs)
{
    return Wait(done, true, limitMs);
}

bool WaitUntil(const std::function<bool()>& done, DWORD limitMs)
{
    return Wait(done, false, limitMs);
}

static const UINT kMarkerMessage = WM_APP + 0x3A;
static const char kMarkerClass[] = "PelmoTestMarker";

// The window's user data is the number of the last marker it handled.
static LRESULT CALLBACK MarkerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kMarkerMessage) {
        SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMarkerWindow()
{
    WNDCLASSA cls = {};
    cls.lpfnWndProc = MarkerProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = kMarkerClass;
    RegisterClassA(&cls);   // a second registration fails harmlessly
    return CreateWindowExA(0, kMarkerClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, cls.hInstance,
                           nullptr);
}

bool WaitForMarker(HWND marker)
{
    const LONG_PTR next = GetWindowLongPtrA(marker, GWLP_USERDATA) + 1;
    if (!PostMessageA(marker, kMarkerMessage, (WPARAM)next, 0)) {
        return false;
    }
    const bool own = GetWindowThreadProcessId(marker, nullptr) == GetCurrentThreadId();
    return Wait([&] { return GetWindowLongPtrA(marker, GWLP_USERDATA) >= next; }, own, kWaitMs);
}

HWND StartCalendar(HWND* owner)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    SetAppInstance(instance);
    RegisterWindowClasses(instance);   // a second registration fails harmlessly
    *owner = CreateOwnerWindow(instance);
    return FindWindowExA(nullptr, nullptr, PELMO_CALENDAR_CLASS, nullptr);
}

void StopCalendar(HWND owner, HWND calendar)
{
    if (IsWindow(calendar)) {
        SendMessageA(calendar, WM_CLOSE, 0, 0);
    }
    DestroyWindow(owner);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    UpdateWindow(window);
    HDC dc = GetDC(window);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

bool BackdateFile(const std::string& path, unsigned seconds)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = {{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= (ULONGLONG)seconds * 10000000ull;
    const FILETIME written = {time.LowPart, time.HighPart};
    const bool set = SetFileTime(file, nullptr, nullptr, &written) != 0;
    CloseHandle(file);
    return set;
}

bool SaveFlatPng(const std::string& path, COLORREF colour, unsigned secondsAgo)
{
    using namespace Gdiplus;
    using namespace Gdiplus::DllExports;
    std::vector<DWORD> pixels((size_t)16 * 16, 0xFF000000 | GetRValue(colour) << 16 | GetGValue(colour) << 8 |
                                                   GetBValue(colour));
    GpBitmap* bitmap = nullptr;
    CLSID png;
    if (!StartGdiplusOnce() || FindImageEncoder(L"image/png", &png) < 0 ||
        GdipCreateBitmapFromScan0(16, 16, 64, PixelFormat32bppARGB, (BYTE*)pixels.data(), &bitmap) != Ok) {
        return false;
    }
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    const bool saved = GdipSaveImageToFile(bitmap, wide, &png, nullptr) == Ok;
    GdipDisposeImage(bitmap);
    return saved && BackdateFile(path, secondsAgo);
}
