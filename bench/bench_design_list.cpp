// The design list as a user flips through it: a selection in the list, the
// design applied to the working copy and painted into the preview, up to
// the window on the screen. Three designs: a solid colour, a 1920 by 1080
// BMP (as the distributed picture designs are) and the same picture as a
// PNG, which every preview converts again.
#include "bench/bench_design_list.h"

#include <windows.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "bench/bench_pictures.h"
#include "bench/bench_support.h"
#include "res/resource.h"

static const int kRuns = 15;

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
    if (!MakePicture(bmp.c_str(), L"image/bmp", 1920, 1080, &corner) ||
        !MakePicture(png.c_str(), L"image/png", 1920, 1080, &corner)) {
        return false;
    }
    WriteIni(folder, "REGIST", "SUM", "3");
    WriteIni(folder, "REGIST", "CURRENT", "1");
    WriteIni(folder, "DESIGN001", "BGBRUSH_STYLE", "0");
    WriteIni(folder, "DESIGN001", "BGBRUSH_COLOR", "14745599");
    WriteIni(folder, "DESIGN002", "BGBRUSH_STYLE", "3");
    WriteIni(folder, "DESIGN002", "BGBRUSH_BITMAP", bmp);
    WriteIni(folder, "DESIGN003", "BGBRUSH_STYLE", "3");
    WriteIni(folder, "DESIGN003", "BGBRUSH_ORGFILE", png);
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

void ReportDesignListPreview()
{
    char folder[MAX_PATH];
    if (!MakeFolder("designs", folder, sizeof folder) || !PrepareDesigns(folder)) {
        printf("design list preview: the designs could not be made\n");
        return;
    }
    HWND owner = nullptr;
    HWND calendar = StartCalendar(folder, &owner);
    SendMessageA(calendar, WM_COMMAND, IDM_DESIGN_CHOOSE, 0);
    HWND list = FindWindowExA(nullptr, nullptr, PELMO_DESIGN_LIST_CLASS, nullptr);
    if (!list || !IsWindowVisible(list)) {
        printf("design list preview: the list did not open\n");
    } else {
        PumpMessages(200);
        std::vector<double> solid, bmp, png;
        for (int i = 0; i < kRuns; ++i) {
            bmp.push_back(TimeSelection(list, 1));
            solid.push_back(TimeSelection(list, 0));
            png.push_back(TimeSelection(list, 2));
            PumpMessages(20);
        }
        printf("design list preview, selection to the window painted (medians of %d; target "
               "under 16 ms): solid %.1f ms, 1920x1080 BMP %.1f ms, 1920x1080 PNG converted "
               "%.1f ms\n",
               kRuns, Median(solid) * 1e3, Median(bmp) * 1e3, Median(png) * 1e3);
        SendMessageA(list, WM_COMMAND, IDCANCEL, 0);
    }
    StopCalendar(owner);
    RemoveFolder(folder);
}
