// Figures of picture backgrounds: a refresh on a picture against one on a
// solid colour, and a start on a large photo-sized PNG that an earlier start
// converted against a start on a solid colour.
#include "bench/bench_pictures.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include <gdiplus.h>

#include "bench/bench_support.h"
#include "res/resource.h"
#include "view/picture.h"
#include "view/picture_record.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

static const int kRuns = 100;
static const COLORREF kSolid = 0xFFFFE1;

bool MakePicture(const char* path, const wchar_t* mime, int width, int height, COLORREF* corner)
{
    std::vector<DWORD> pixels((size_t)width * height);
    unsigned grain = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            grain = grain * 1103515245u + 12345u;
            const int noise = (int)((grain >> 16) % 16);
            const int r = (x * 200 / width + noise) & 0xFF;
            const int g = (y * 200 / height + noise) & 0xFF;
            const int b = (128 + noise) & 0xFF;
            pixels[(size_t)y * width + x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    *corner = RGB(pixels[1 + width] >> 16 & 0xFF, pixels[1 + width] >> 8 & 0xFF, pixels[1 + width] & 0xFF);
    GpBitmap* bitmap = nullptr;
    CLSID encoder;
    if (FindImageEncoder(mime, &encoder) < 0 ||
        GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                  reinterpret_cast<BYTE*>(pixels.data()), &bitmap) != Ok) {
        return false;
    }
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
    bool saved = GdipSaveImageToFile(bitmap, wide, &encoder, nullptr) == Ok;
    GdipDisposeImage(bitmap);
    return saved;
}

static void WriteIni(const char* folder, const char* section, const char* key, const char* value)
{
    WritePrivateProfileStringA(section, key, value, (std::string(folder) + "pelmo.ini").c_str());
}

// Design 1 is a solid colour, design 2 a picture; the apply message puts
// either in force, so the two take turns in one calendar.
static void ReportPictureRefresh()
{
    char folder[MAX_PATH];
    if (!MakeFolder("picture", folder, sizeof folder)) {
        return;
    }
    std::string picture = std::string(folder) + "tile.bmp";
    COLORREF corner;
    if (!MakePicture(picture.c_str(), L"image/bmp", 256, 256, &corner)) {
        printf("picture refresh: cannot make the picture\n");
        RemoveFolder(folder);
        return;
    }
    WriteIni(folder, "REGIST", "SUM", "2");
    WriteIni(folder, "REGIST", "CURRENT", "1");
    WriteIni(folder, "DESIGN001", "BGBRUSH_STYLE", "0");
    WriteIni(folder, "DESIGN002", "BGBRUSH_STYLE", "3");
    WriteIni(folder, "DESIGN002", "BGBRUSH_BITMAP", picture.c_str());
    HWND owner = nullptr;
    HWND calendar = StartCalendar(folder, &owner);
    Resize(calendar, 1024, 768);
    std::vector<double> solid, tiled;
    const int rounds = 10;
    for (int round = 0; round < rounds; ++round) {
        for (int design = 1; design <= 2; ++design) {
            SendMessageA(calendar, WM_PELMO_APPLY_DESIGN, design, 2);
            PumpMessages(20);
            std::vector<double>* times = design == 1 ? &solid : &tiled;
            for (int i = 0; i < kRuns / rounds; ++i) {
                times->push_back(TimeCalendarRefresh(calendar));
            }
        }
    }
    StopCalendar(owner);
    UseAppFolder(nullptr);
    const double s = Median(solid), t = Median(tiled);
    printf("refresh at 1024x768 on a 256x256 picture: %8.1f us, on a solid colour %8.1f us, "
           "ratio %.2f (target <= 1.2)\n",
           t * 1e6, s * 1e6, t / s);
    RemoveFolder(folder);
}

static bool PrepareStartFolder(const char* buildFolder, const char* tag, char* folder, size_t size, char* exe,
                               size_t exeSize)
{
    if (!MakeFolder(tag, folder, size)) {
        return false;
    }
    char source[MAX_PATH];
    snprintf(source, sizeof source, "%spelmo.exe", buildFolder);
    WriteIni(folder, "SHELLLINK", "STARTUP", "0");
    return CopyBeside(source, folder, "pelmo.exe", exe, exeSize);
}

// A first start converts the PNG into pelmo.bmp and records it; the
// measured starts after it load the conversion that pelmo.bmp holds, as a
// user's every start after the one that took the picture does.
static bool ConvertByFirstStart(const char* exe, const char* folder, COLORREF corner)
{
    bool shown = false;
    TimeToFirstFrame(exe, folder, PELMO_CALENDAR_CLASS, corner, &shown);
    const std::string record = std::string(folder) + kConvertedPictureName + kConversionRecordSuffix;
    return shown && GetFileAttributesA(record.c_str()) != INVALID_FILE_ATTRIBUTES;
}

static void ReportPictureStart(const char* buildFolder)
{
    char solid[MAX_PATH], photo[MAX_PATH], solidExe[MAX_PATH], photoExe[MAX_PATH];
    if (!PrepareStartFolder(buildFolder, "start-solid", solid, sizeof solid, solidExe, sizeof solidExe) ||
        !PrepareStartFolder(buildFolder, "start-photo", photo, sizeof photo, photoExe, sizeof photoExe)) {
        printf("picture start: pelmo.exe not found beside the benchmark\n");
        return;
    }
    std::string png = std::string(photo) + "photo.png";
    COLORREF corner;
    if (!MakePicture(png.c_str(), L"image/png", 1920, 1080, &corner)) {
        printf("picture start: cannot make the picture\n");
        return;
    }
    Backdate(png.c_str());
    WriteIni(photo, "BGBRUSH", "STYLE", "3");
    WriteIni(photo, "BGBRUSH", "ORGFILE", png.c_str());
    if (!ConvertByFirstStart(photoExe, photo, corner)) {
        printf("picture start: the first start did not convert the picture and record it\n");
    }
    const StartComparison r = CompareStarts({photoExe, photo, PELMO_CALENDAR_CLASS, corner},
                                            {solidExe, solid, PELMO_CALENDAR_CLASS, kSolid}, kStartRuns);
    if (!r.allShown) {
        printf("picture start: a window was not yet painted with its background when its loop ran idle\n");
    }
    const double s = r.medianBaseline, p = r.medianMeasured;
    printf("start on a 1920x1080 PNG:  %.1f ms, on a solid colour %.1f ms (medians of %d; the PNG "
           "converted by an earlier start), ratio %.2f (target <= 1.15)\n",
           p * 1e3, s * 1e3, kStartRuns, p / s);
    RemoveFolder(solid);
    RemoveFolder(photo);
}

void ReportPictures(const char* buildFolder)
{
    GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, nullptr) != Ok) {
        printf("pictures: GDI+ did not start\n");
        return;
    }
    ReportPictureRefresh();
    ReportPictureStart(buildFolder);
    GdiplusShutdown(token);
}
