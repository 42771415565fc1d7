// Figures of the calendar window under real Win32: the cost of one refresh
// against the floor of any frame, its growth with a large memo folder, the
// start-up time against a minimal window program, picture backgrounds, the
// opening of the settings sheet, and the repaints of an idle calendar.
// Every figure that has a target is a ratio against a baseline measured in
// the same run, but for the sheet's opening, which is a time to perceive.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/dates.h"
#include "memo/memo_store.h"
#include "platform/app_folder.h"
#include "settings/settings_file.h"
#include "shell/calendar_window.h"
#include "bench/bench_distribution.h"
#include "bench/bench_holidays.h"
#include "bench/bench_pictures.h"
#include "bench/bench_saving.h"
#include "bench/bench_design_list.h"
#include "bench/bench_sheet.h"
#include "bench/bench_support.h"
#include "bench/frame_floor.h"
#include "res/resource.h"

static const int kRefreshRuns = 200;
static const int kMemoFiles = 10000;

static double TimeFloorFrame(HWND floor)
{
    double start = Seconds();
    PaintFloorFrame(floor);
    GdiFlush();
    return Seconds() - start;
}

// The calendar's refresh and the floor's frame at one size, taking turns so
// that any drift of the machine falls on both alike.
static void CompareWithFloor(HWND calendar, int width, int height, double* refresh, double* floor)
{
    HWND bare = CreateFloorWindow(width, height);
    Resize(calendar, width, height);
    std::vector<double> refreshTimes, floorTimes;
    for (int i = 0; i < kRefreshRuns / 10; ++i) {   // warm-up
        TimeCalendarRefresh(calendar);
        TimeFloorFrame(bare);
    }
    for (int i = 0; i < kRefreshRuns; ++i) {
        refreshTimes.push_back(TimeCalendarRefresh(calendar));
        floorTimes.push_back(TimeFloorFrame(bare));
    }
    DestroyFloorWindow(bare);
    *refresh = Median(refreshTimes);
    *floor = Median(floorTimes);
}

// Memo files for consecutive days around today, so the shown month is marked
// like every other.
static int FillMemoFolder(int count)
{
    EnsureFolder(kMemoFolder);
    SYSTEMTIME local;
    GetLocalTime(&local);
    int year = local.wYear - 60;
    int month = 1;
    int day = 1;
    int made = 0;
    for (int i = 0; i < count; ++i) {
        GridDate date = MakeGridDate((uint16_t)year, (uint16_t)month, (uint16_t)day);
        char line[kDateLineSize];
        char path[kAppPathSize];
        if (FormatDateLine(date, line, sizeof line) && MemoFilePath(line, path, sizeof path)) {
            HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                DWORD written;
                WriteFile(file, line, (DWORD)strlen(line), &written, nullptr);
                CloseHandle(file);
                ++made;
            }
        }
        if (++day > DaysInMonth((uint16_t)year, (uint16_t)month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    return made;
}

// The empty and the full memo folder take turns, round by round, so that
// any drift of the machine falls on both alike. The first refresh after a
// change of folder reads the new folder's names: it is not counted, as a
// user's calendar never changes folders.
static void CompareMemoFolders(HWND calendar, const char* empty, const char* full, int width, int height,
                               double* emptyMedian, double* fullMedian)
{
    const int rounds = 20;
    Resize(calendar, width, height);
    std::vector<double> emptyTimes, fullTimes;
    for (int round = 0; round < rounds; ++round) {
        for (int side = 0; side < 2; ++side) {
            UseAppFolder(side == 0 ? empty : full);
            TimeCalendarRefresh(calendar);
            std::vector<double>* times = side == 0 ? &emptyTimes : &fullTimes;
            for (int i = 0; i < kRefreshRuns / rounds; ++i) {
                times->push_back(TimeCalendarRefresh(calendar));
            }
        }
    }
    UseAppFolder(empty);
    *emptyMedian = Median(emptyTimes);
    *fullMedian = Median(fullTimes);
}

static void ReportRefresh()
{
    char empty[MAX_PATH], full[MAX_PATH];
    if (!MakeFolder("empty", empty, sizeof empty) || !MakeFolder("full", full, sizeof full)) {
        printf("refresh: cannot make a folder\n");
        return;
    }
    UseAppFolder(full);
    int made = FillMemoFolder(kMemoFiles);
    HWND owner = nullptr;
    HWND calendar = StartCalendar(empty, &owner);
    if (!calendar) {
        printf("refresh: the calendar window was not made\n");
        return;
    }

    const int largeW = 1024, largeH = 768;
    double small, smallFloor, large, largeFloor;
    CompareWithFloor(calendar, 196, 200, &small, &smallFloor);
    CompareWithFloor(calendar, largeW, largeH, &large, &largeFloor);
    printf("refresh at 196x200:        %8.1f us, floor %6.1f us, ratio %.2f (target <= 2.0; medians of %d)\n",
           small * 1e6, smallFloor * 1e6, small / smallFloor, kRefreshRuns);
    printf("refresh at %dx%d:      %8.1f us, floor %6.1f us, ratio %.2f (target <= 1.3)\n", largeW, largeH,
           large * 1e6, largeFloor * 1e6, large / largeFloor);

    double smallEmpty, smallMemos, largeEmpty, largeMemos;
    CompareMemoFolders(calendar, empty, full, 196, 200, &smallEmpty, &smallMemos);
    CompareMemoFolders(calendar, empty, full, largeW, largeH, &largeEmpty, &largeMemos);
    printf("with %d memo files in DATA:\n", made);
    printf("  refresh at 196x200:      %8.1f us, ratio to an empty DATA %.2f (target <= 1.2)\n",
           smallMemos * 1e6, smallMemos / smallEmpty);
    printf("  refresh at %dx%d:    %8.1f us, ratio to an empty DATA %.2f (target <= 1.2)\n", largeW, largeH,
           largeMemos * 1e6, largeMemos / largeEmpty);
    StopCalendar(owner);
    UseAppFolder(nullptr);
    RemoveFolder(empty);
    RemoveFolder(full);
}

static void ReportStartup(const char* buildFolder)
{
    char folder[MAX_PATH];
    if (!MakeFolder("start", folder, sizeof folder)) {
        return;
    }
    char source[MAX_PATH], pelmo[MAX_PATH], minimal[MAX_PATH];
    snprintf(source, sizeof source, "%spelmo.exe", buildFolder);
    bool ok = CopyBeside(source, folder, "pelmo.exe", pelmo, sizeof pelmo);
    snprintf(source, sizeof source, "%sminimal_window.exe", buildFolder);
    ok = CopyBeside(source, folder, "minimal_window.exe", minimal, sizeof minimal) && ok;
    if (!ok) {
        printf("start-up: pelmo.exe or minimal_window.exe not found beside the benchmark\n");
        RemoveFolder(folder);
        return;
    }
    // An ordinary start, not a first one: no first-start questions.
    char ini[MAX_PATH];
    snprintf(ini, sizeof ini, "%spelmo.ini", folder);
    WritePrivateProfileStringA("SHELLLINK", "STARTUP", "0", ini);

    const COLORREF calendarBackground = 0xFFFFE1;
    const COLORREF minimalBackground = GetSysColor(COLOR_WINDOW);
    const StartComparison r = CompareStarts({pelmo, folder, "Main Window", calendarBackground},
                                            {minimal, folder, "Minimal", minimalBackground}, kStartRuns);
    if (!r.allShown) {
        printf("start-up: a window was not yet painted when its loop ran idle\n");
    }
    const double p = r.medianMeasured, m = r.medianBaseline;
    printf("start to first frame:      pelmo %.1f ms, minimal window %.1f ms (medians of %d), "
           "ratio %.2f (target <= 1.25)\n",
           p * 1e3, m * 1e3, kStartRuns, p / m);
    const double pf = r.fastestMeasured, mf = r.fastestBaseline;
    printf("                           fastest: pelmo %.1f ms, minimal window %.1f ms, ratio %.2f\n",
           pf * 1e3, mf * 1e3, pf / mf);
    RemoveFolder(folder);
}

// The calendar in this process, left alone: how often does it redraw?
static void ReportIdleRepaints(int seconds)
{
    char folder[MAX_PATH];
    if (!MakeFolder("idle", folder, sizeof folder)) {
        return;
    }
    HWND owner = nullptr;
    StartCalendar(folder, &owner);
    SYSTEMTIME first;
    GetLocalTime(&first);
    unsigned before = CalendarRefreshCount();
    int minuteChanges = 0;
    WORD lastMinute = first.wMinute;
    DWORD end = GetTickCount() + (DWORD)seconds * 1000;
    while ((int)(end - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        SYSTEMTIME now;
        GetLocalTime(&now);
        if (now.wMinute != lastMinute) {
            lastMinute = now.wMinute;
            ++minuteChanges;
        }
    }
    unsigned repaints = CalendarRefreshCount() - before;
    printf("idle for %d s:             %u repaints, %d minute changes (target: one repaint per change)\n",
           seconds, repaints, minuteChanges);
    StopCalendar(owner);
    UseAppFolder(nullptr);
    RemoveFolder(folder);
}

// Arguments: the idle seconds (120), or "sheet", "designs", "saving",
// "dist", "holidays", "start" or "pictures" for the settings sheet's, the
// design list's, the exit's save, the distribution's start, the holiday
// file's start, the plain start's or the picture backgrounds' figures only.
int main(int argc, char** argv)
{
    if (argc > 1 && strcmp(argv[1], "sheet") == 0) {
        ReportSettingsSheet();
        return 0;
    }
    if (argc > 1 && strcmp(argv[1], "designs") == 0) {
        ReportDesignListPreview();
        return 0;
    }
    if (argc > 1 && strcmp(argv[1], "saving") == 0) {
        ReportSaving();
        return 0;
    }
    char buildFolder[MAX_PATH];
    GetModuleFileNameA(nullptr, buildFolder, sizeof buildFolder);
    char* slash = strrchr(buildFolder, '\\');
    if (slash) {
        slash[1] = '\0';
    }
    if (argc > 1 && strcmp(argv[1], "dist") == 0) {
        ReportDistributionStart(buildFolder);
        return 0;
    }
    if (argc > 1 && strcmp(argv[1], "holidays") == 0) {
        ReportHolidayFileStart(buildFolder);
        return 0;
    }
    if (argc > 1 && strcmp(argv[1], "start") == 0) {
        ReportStartup(buildFolder);
        return 0;
    }
    if (argc > 1 && strcmp(argv[1], "pictures") == 0) {
        ReportPictures(buildFolder);
        return 0;
    }
    int idleSeconds = argc > 1 ? atoi(argv[1]) : 120;
    ReportRefresh();
    ReportStartup(buildFolder);
    ReportDistributionStart(buildFolder);
    ReportHolidayFileStart(buildFolder);
    ReportPictures(buildFolder);
    ReportSettingsSheet();
    ReportDesignListPreview();
    ReportSaving();
    ReportIdleRepaints(idleSeconds);
    return 0;
}
