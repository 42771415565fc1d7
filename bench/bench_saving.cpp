// The exit's saving of pelmo.ini and a deletion in the design list, against
// the number of registered designs: each writes the whole file once, read
// back before it replaces the old one, so both grow with the file's size.
#include "bench/bench_saving.h"

#include <windows.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "design/working_copy.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "settings/settings_startup.h"

static const int kRuns = 7;
static const int kCounts[] = {7, 100, 999};

// count designs of all 25 keys, as the distribution's are.
static std::string SettingsText(int count)
{
    std::string text = "[REGIST]\r\nSUM=" + std::to_string(count) + "\r\nCURRENT=1\r\nCHANGE=0\r\n";
    for (int n = 1; n <= count; ++n) {
        char design[1024];
        snprintf(
            design, sizeof design,
            "[DESIGN%03d]\r\nBGBRUSH_STYLE=0\r\nBGBRUSH_COLOR=%d\r\nBGBRUSH_HATCH=0\r\nBGBRUSH_TRANSPARENT=0\r\n"
            "BGBRUSH_ORGFILE=no key value\r\nBGBRUSH_BITMAP=no key value\r\nTODAY_COLOR=65535\r\n"
            "MARKED_TODAYCOLOR=6599935\r\nMARKED_COLOR=16776960\r\nFORMAT_YMTYPE=0\r\nFORMAT_WTYPE=0\r\n"
            "FORMAT_CLOCK=0\r\nFORMAT_PARTITION=1\r\nFONT_CHARSET=128\r\nFONT_FACENAME=x\r\nFONT_ITALIC=0\r\n"
            "FONT_WEIGHT=0\r\nFONT_OFFSET=0\r\nFONT_LSHIFT=0\r\nTEXTCOLOR_HOLIDAY=1\r\nTEXTCOLOR_SATURDAY=2\r\n"
            "TEXTCOLOR_SUNDAY=3\r\nTEXTCOLOR_WEEKDAY=4\r\nTEXTCOLOR_MONTH=5\r\nTEXTCOLOR_OTHERDAY=6\r\n",
            n, n);
        text += design;
    }
    return text;
}

static bool WriteFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD wrote = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    ::WriteFile(file, bytes.data(), (DWORD)bytes.size(), &wrote, nullptr) &&
                    wrote == bytes.size();
    CloseHandle(file);
    return ok;
}

// The exit's save with the window a pixel elsewhere each time, so that
// POSITION changes and the file is written.
static double TimeExitSave(HWND window, int run)
{
    DesignRecord design = {};
    ReadFormatSection(kSettingsFile, &design);
    ReadFontSection(kSettingsFile, &design);
    MoveWindow(window, 10 + run, 10, 200, 200, FALSE);
    HBRUSH brush = CreateSolidBrush(0xFFFFE1);
    const double start = Seconds();
    SettingsEdit edit;
    bool saved = BeginSettingsEdit(kSettingsFile, &edit);
    if (saved) {
        SaveSettings(&edit, window, brush, design, MemoDisplaySettings{18, 18, 300}, RegistryValues{1, 1, 0});
        saved = CommitSettingsEdit(&edit);
    }
    const double took = Seconds() - start;
    DeleteObject(brush);
    return saved ? took : -1;
}

static double TimeDeletion(const std::string& folder, const std::string& text, int count)
{
    if (!WriteFile(folder + "temp.ini", text)) {
        return -1;
    }
    uint32_t listed = (uint32_t)count;
    const double start = Seconds();
    const bool deleted = DeleteDesign(kWorkingFile, 1, &listed);
    return deleted ? Seconds() - start : -1;
}

void ReportSaving()
{
    char folder[MAX_PATH];
    if (!MakeFolder("saving", folder, sizeof folder)) {
        printf("saving: no folder\n");
        return;
    }
    UseAppFolder(folder);
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                                  nullptr);
    printf(
        "saving settings, medians of %d (each writes the whole file, reads it back and moves it into place):\n",
        kRuns);
    for (int count : kCounts) {
        const std::string text = SettingsText(count);
        std::vector<double> exits, deletions;
        WriteFile(std::string(folder) + "pelmo.ini", text);
        for (int run = 0; run < kRuns; ++run) {
            exits.push_back(TimeExitSave(window, run));
            deletions.push_back(TimeDeletion(folder, text, count));
        }
        printf("  %3d designs (%4u KB): the exit's save %.1f ms, a deletion in the design list %.1f ms "
               "(target under 1000 ms)\n",
               count, (unsigned)(text.size() / 1024), Median(exits) * 1e3, Median(deletions) * 1e3);
    }
    DestroyWindow(window);
    UseAppFolder(nullptr);
    RemoveFolder(folder);
}
