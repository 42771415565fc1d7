// What the window benchmarks share: timing, folders, the calendar window of
// this process, and whole starts of a program.
#include "bench/bench_support.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>

#include "res/resource.h"
#include "platform/app_folder.h"
#include "platform/app_instance.h"
#include "platform/system_calls.h"
#include "shell/owner_window.h"

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return (double)now.QuadPart / (double)frequency.QuadPart;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool MakeFolder(const char* tag, char* out, size_t size)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    snprintf(out, size, "%spelmo-bench-%s-%lu\\", temp, tag, GetTickCount());
    return CreateDirectoryA(out, nullptr) != 0;
}

void RemoveFolder(const char* folder)
{
    char pattern[MAX_PATH];
    snprintf(pattern, sizeof pattern, "%s*", folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!strcmp(found.cFileName, ".") || !strcmp(found.cFileName, "..")) {
                continue;
            }
            char path[MAX_PATH];
            snprintf(path, sizeof path, "%s%s", folder, found.cFileName);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                strncat(path, "\\", sizeof path - strlen(path) - 1);
                RemoveFolder(path);
            } else {
                DeleteFileA(path);
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder);
}

void PumpMessages(int milliseconds)
{
    DWORD end = GetTickCount() + (DWORD)milliseconds;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    } while ((int)(end - GetTickCount()) > 0);
}

void UseAppFolder(const char* folder)
{
    static char kept[kAppPathSize];
    snprintf(kept, sizeof kept, "%s", folder ? folder : "");
    SystemCalls calls = System();
    calls.appFolder = folder ? kept : nullptr;
    ReplaceSystemCalls(calls);
}

// The calendar window of this process, started in folder as an ordinary
// start (no first-start questions).
HWND StartCalendar(const char* folder, HWND* owner)
{
    UseAppFolder(folder);
    WritePrivateProfileStringA("SHELLLINK", "STARTUP", "0", (std::string(folder) + "pelmo.ini").c_str());
    HINSTANCE instance = GetModuleHandleA(nullptr);
    SetAppInstance(instance);
    RegisterWindowClasses(instance);
    *owner = CreateOwnerWindow(instance);
    HWND calendar = FindWindowExA(nullptr, nullptr, PELMO_CALENDAR_CLASS, nullptr);
    PumpMessages(300);   // the first frame, the tooltips
    return calendar;
}

void StopCalendar(HWND owner)
{
    HWND calendar = FindWindowExA(nullptr, nullptr, PELMO_CALENDAR_CLASS, nullptr);
    if (calendar) {
        SendMessageA(calendar, WM_CLOSE, 0, 0);
    }
    DestroyWindow(owner);
    PumpMessages(100);
}

// The calendar is borderless: its window is its client area.
void Resize(HWND window, int width, int height)
{
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages(50);
}

// One refresh as the calendar does it, up to the picture on the screen.
double TimeCalendarRefresh(HWND calendar)
{
    double start = Seconds();
    SendMessageA(calendar, WM_PELMO_REFRESH, 0, 0);
    UpdateWindow(calendar);
    GdiFlush();
    return Seconds() - start;
}

// The top-left pixel of the process's visible window of that class, read
// from the screen; false while there is no such window.
bool WindowCornerColour(DWORD processId, const char* className, COLORREF* colour)
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) {
            RECT frame;
            GetWindowRect(window, &frame);
            HDC screen = GetDC(nullptr);
            *colour = GetPixel(screen, frame.left + 1, frame.top + 1);
            ReleaseDC(nullptr, screen);
            return true;
        }
    }
    return false;
}

// Seconds from creating the process until its message loop first runs idle:
// the paint message is handled before the queue is empty, so by then the
// first frame is on the screen. Polling the screen instead would compete
// with the measured process for the Wine server. *shown tells whether the
// window's corner then really has its painted colour.
double TimeToFirstFrame(const char* exe, const char* folder, const char* className, COLORREF painted,
                        bool* shown)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char command[MAX_PATH + 2];
    snprintf(command, sizeof command, "\"%s\"", exe);
    double start = Seconds();
    if (!CreateProcessA(exe, command, nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process)) {
        fprintf(stderr, "%s did not start: error %lu\n", exe, GetLastError());
        return -1;
    }
    WaitForInputIdle(process.hProcess, 30000);
    double elapsed = Seconds() - start;
    COLORREF colour = CLR_INVALID;
    *shown = WindowCornerColour(process.dwProcessId, className, &colour) && colour == painted;
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

static double StartOnce(const StartCase& c, bool* allShown)
{
    bool shown = true;
    const double seconds = TimeToFirstFrame(c.exe, c.folder, c.className, c.painted, &shown);
    *allShown = *allShown && shown;
    return seconds;
}

StartComparison CompareStarts(const StartCase& measured, const StartCase& baseline, int runs)
{
    bool warm = true;
    StartOnce(baseline, &warm);
    StartOnce(measured, &warm);
    StartComparison result = {};
    result.allShown = true;
    std::vector<double> measuredTimes, baselineTimes;
    // A pair with a start that could not be made at all is made again.
    int failed = 0;
    while ((int)measuredTimes.size() < runs && failed <= runs) {
        const double b = StartOnce(baseline, &result.allShown);
        const double m = StartOnce(measured, &result.allShown);
        if (b < 0 || m < 0) {
            ++failed;
            continue;
        }
        baselineTimes.push_back(b);
        measuredTimes.push_back(m);
    }
    if (failed > 0) {
        printf("  (%d pairs of starts made again: a process could not be created)\n", failed);
    }
    if (measuredTimes.empty()) {
        return result;
    }
    result.medianMeasured = Median(measuredTimes);
    result.medianBaseline = Median(baselineTimes);
    result.fastestMeasured = *std::min_element(measuredTimes.begin(), measuredTimes.end());
    result.fastestBaseline = *std::min_element(baselineTimes.begin(), baselineTimes.end());
    return result;
}

bool CopyBeside(const char* from, const char* folder, const char* name, char* out, size_t size)
{
    snprintf(out, size, "%s%s", folder, name);
    return CopyFileA(from, out, FALSE) != 0;
}


bool Backdate(const char* path)
{
    HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t = {{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= 3600ull * 10000000ull;
    const FILETIME past = {t.LowPart, t.HighPart};
    const bool set = SetFileTime(file, nullptr, nullptr, &past) != 0;
    CloseHandle(file);
    return set;
}
