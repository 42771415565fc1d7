// The design list as a user flips through it: a selection in the list, the
// design read from the working copy and painted into the preview, up to the
// window on the screen. Three designs while the list stays open: a solid
// colour, a 1920 by 1080 BMP (as the distributed picture designs are) and
// the same picture as a PNG seen before, whose bitmap the list keeps. And
// the PNG's first visit, each in a list opened afresh while pelmo.bmp
// holds another picture, which converts it.
#include "bench/bench_design_list.h"

#include <windows.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "bench/bench_pictures.h"
#include "bench/bench_support.h"
#include "res/resource.h"

static const int kRuns = 15;
static const int kSolid = 0, kBmp = 1, kPng = 2, kOtherPng = 3;

static void WriteIni(const std::string& folder, const char* section, const char* key,
                     const std::string& value)
{
    WritePrivateProfileStringA(section, key, value.c_str(), (folder + "pelmo.ini").c_str());
}

static bool PrepareDesigns(const std::string& folder)
{
    COLORREF corner;
    const std::string bmp = folder + "photo.bmp";
    const std::string png = folder + "photo.png";
    const std::string other = folder + "other.png";
    if (!MakePicture(bmp.c_str(), L"image/bmp", 1920, 1080, &corner) ||
        !MakePicture(png.c_str(), L"image/png", 1920, 1080, &corner) ||
        !MakePicture(other.c_str(), L"image/png", 64, 64, &corner)) {
        return false;
    }
    // Pictures a user has had for a while, as the list meets them.
    Backdate(png.c_str());
    Backdate(other.c_str());
    WriteIni(folder, "REGIST", "SUM", "4");
    WriteIni(folder, "REGIST", "CURRENT", "1");
    WriteIni(folder, "DESIGN001", "BGBRUSH_STYLE", "0");
    WriteIni(folder, "DESIGN001", "BGBRUSH_COLOR", "14745599");
    WriteIni(folder, "DESIGN002", "BGBRUSH_STYLE", "3");
    WriteIni(folder, "DESIGN002", "BGBRUSH_BITMAP", bmp);
    WriteIni(folder, "DESIGN003", "BGBRUSH_STYLE", "3");
    WriteIni(folder, "DESIGN003", "BGBRUSH_ORGFILE", png);
    WriteIni(folder, "DESIGN004", "BGBRUSH_STYLE", "3");
    WriteIni(folder, "DESIGN004", "BGBRUSH_ORGFILE", other);
    return true;
}

// One selection, as the list box reports it, up to the painted window.
static double TimeSelection(HWND list, int index)
{
    HWND entries = GetDlgItem(list, IDC_DESIGN_LIST);
    const double start = Seconds();
    SendMessageA(entries, LB_SETCURSEL, index, 0);
    SendMessageA(list, WM_COMMAND, MAKEWPARAM(IDC_DESIGN_LIST, LBN_SELCHANGE), (LPARAM)entries);
    UpdateWindow(list);
    GdiFlush();
    return Seconds() - start;
}

static HWND OpenList(HWND calendar)
{
    SendMessageA(calendar, WM_COMMAND, IDM_DESIGN_CHOOSE, 0);
    HWND list = FindWindowExA(nullptr, nullptr, PELMO_DESIGN_LIST_CLASS, nullptr);
    if (list && IsWindowVisible(list)) {
        PumpMessages(20);
        return list;
    }
    return nullptr;
}

static void CloseList(HWND list)
{
    SendMessageA(list, WM_COMMAND, IDCANCEL, 0);
    PumpMessages(20);
}

// Flipping to and fro while the list stays open, each design seen once
// before the timing.
static bool TimeFlipping(HWND calendar, std::vector<double>* solid, std::vector<double>* bmp,
                         std::vector<double>* png)
{
    HWND list = OpenList(calendar);
    if (!list) {
        return false;
    }
    TimeSelection(list, kBmp);
    TimeSelection(list, kPng);
    for (int i = 0; i < kRuns; ++i) {
        bmp->push_back(TimeSelection(list, kBmp));
        solid->push_back(TimeSelection(list, kSolid));
        png->push_back(TimeSelection(list, kPng));
        PumpMessages(20);
    }
    CloseList(list);
    return true;
}

// The other picture is previewed, so that pelmo.bmp holds it; then the
// list is opened afresh, keeping no bitmap, and the PNG chosen.
static bool TimeFirstVisits(HWND calendar, std::vector<double>* first)
{
    for (int i = 0; i < kRuns; ++i) {
        HWND list = OpenList(calendar);
        if (!list) {
            return false;
        }
        TimeSelection(list, kOtherPng);
        CloseList(list);
        list = OpenList(calendar);
        if (!list) {
            return false;
        }
        first->push_back(TimeSelection(list, kPng));
        CloseList(list);
    }
    return true;
}

void ReportDesignListPreview()
{
    char folder[MAX_PATH];
    if (!MakeFolder("designs", folder, sizeof folder) || !PrepareDesigns(folder)) {
        printf("design list preview: the designs could not be made\n");
        return;
    }
    HWND owner = nullptr;
    HWND calendar = StartCalendar(folder, &owner);
    std::vector<double> solid, bmp, png, first;
    if (!TimeFlipping(calendar, &solid, &bmp, &png) || !TimeFirstVisits(calendar, &first)) {
        printf("design list preview: the list did not open\n");
    } else {
        printf("design list preview, selection to the window painted (medians of %d; target "
               "under 16 ms): solid %.1f ms, 1920x1080 BMP %.1f ms, 1920x1080 PNG again %.1f ms, "
               "PNG first visit %.1f ms\n",
               kRuns, Median(solid) * 1e3, Median(bmp) * 1e3, Median(png) * 1e3, Median(first) * 1e3);
    }
    StopCalendar(owner);
    RemoveFolder(folder);
}
