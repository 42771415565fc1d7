// The start of the distribution as a user has it after the first start:
// seven registered designs, the brick wall picture design in force, against
// the start of a minimal window program.
#include "bench/bench_distribution.h"

#include <windows.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "res/resource.h"

static const char* const kShipped[] = {
    "pelmo.exe",
    "pelmo.ini",
    "Image\\Wall.bmp",
    "Image\\Metal.bmp",
    "Image\\BlueCheck.bmp",
    "Image\\GreenCheck.bmp",
    "help\\pelmohelp.html",
};
static const char* const kPictureDesigns[][2] = {
    {"DESIGN004", "Wall.bmp"},
    {"DESIGN005", "Metal.bmp"},
    {"DESIGN006", "BlueCheck.bmp"},
    {"DESIGN007", "GreenCheck.bmp"},
};
static const WPARAM kWallDesign = 4;
static const LPARAM kShippedDesigns = 7;

// The build's dist folder copied as a user unzips it.
static bool CopyDistribution(const char* buildFolder, const char* folder)
{
    const std::string from = std::string(buildFolder) + "dist\\";
    const std::string to = folder;
    bool ok = CreateDirectoryA((to + "Image").c_str(), nullptr) &&
              CreateDirectoryA((to + "help").c_str(), nullptr);
    for (const char* name : kShipped) {
        ok = ok && CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    }
    return ok;
}

// The state the first start leaves (the four picture paths written), then
// the wall put in force through the calendar's own apply message and saved
// by its own exit.
static void PutWallInForce(const char* folder)
{
    const std::string ini = std::string(folder) + "pelmo.ini";
    for (const auto& design : kPictureDesigns) {
        const std::string picture = std::string(folder) + "Image\\" + design[1];
        WritePrivateProfileStringA(design[0], "BGBRUSH_BITMAP", picture.c_str(), ini.c_str());
    }
    HWND owner = nullptr;
    HWND calendar = StartCalendar(folder, &owner);
    SendMessageA(calendar, WM_PELMO_APPLY_DESIGN, kWallDesign, kShippedDesigns);
    StopCalendar(owner);
    UseAppFolder(nullptr);
    DeleteFileA((std::string(folder) + "temp.ini").c_str());
}

// The picture's pixel that the calendar's corner shows: the brush tiles it
// from the window's top-left corner.
static COLORREF PictureCorner(const char* folder)
{
    const std::string path = std::string(folder) + "Image\\Wall.bmp";
    HBITMAP bitmap = (HBITMAP)LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF corner = GetPixel(dc, 1, 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return corner;
}

void ReportDistributionStart(const char* buildFolder)
{
    char folder[MAX_PATH], minimal[MAX_PATH], pelmo[MAX_PATH], source[MAX_PATH];
    if (!MakeFolder("dist", folder, sizeof folder)) {
        return;
    }
    snprintf(source, sizeof source, "%sminimal_window.exe", buildFolder);
    snprintf(pelmo, sizeof pelmo, "%spelmo.exe", folder);
    if (!CopyDistribution(buildFolder, folder) ||
        !CopyBeside(source, folder, "minimal_window.exe", minimal, sizeof minimal)) {
        printf("distribution start: the build's dist folder or minimal_window.exe is missing\n");
        RemoveFolder(folder);
        return;
    }
    PutWallInForce(folder);
    const COLORREF corner = PictureCorner(folder);
    const COLORREF minimalBackground = GetSysColor(COLOR_WINDOW);

    const StartComparison r = CompareStarts({pelmo, folder, PELMO_CALENDAR_CLASS, corner},
                                            {minimal, folder, "Minimal", minimalBackground}, kStartRuns);
    if (!r.allShown) {
        printf(
            "distribution start: a window was not yet painted with its background when its loop ran idle\n");
    }
    const double p = r.medianMeasured, m = r.medianBaseline;
    printf("distribution start (7 designs, the wall picture in force): %.1f ms, minimal window %.1f ms "
           "(medians of %d), ratio %.2f (target <= 1.25)\n",
           p * 1e3, m * 1e3, kStartRuns, p / m);
    const double pf = r.fastestMeasured, mf = r.fastestBaseline;
    printf("                           fastest: %.1f ms, minimal window %.1f ms, ratio %.2f\n", pf * 1e3,
           mf * 1e3, pf / mf);
    RemoveFolder(folder);
}
