// The start of the calendar with syukujitsu.csv beside it, as the rules
// would publish it for 1955 to 2027, against the same start without it:
// the file is read and parsed before the first frame.
#include "bench/bench_holidays.h"

#include <windows.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "core/holiday_file.h"
#include "platform/holiday_source.h"
#include "res/resource.h"
#include "settings/settings_defaults.h"
#include "tests/core/holiday_file_maker.h"

static const uint16_t kFirstYear = 1955;
static const uint16_t kLastYear = 2027;
static const int kReadRuns = 50;

// An ordinary start (no first-start questions) of pelmo.exe in folder.
static bool PrepareFolder(const char* buildFolder, const char* folder, char* pelmo, size_t size)
{
    char source[MAX_PATH];
    snprintf(source, sizeof source, "%spelmo.exe", buildFolder);
    const std::string ini = std::string(folder) + "pelmo.ini";
    return CopyBeside(source, folder, "pelmo.exe", pelmo, size) &&
           WritePrivateProfileStringA("SHELLLINK", "STARTUP", "0", ini.c_str());
}

static bool WriteHolidayFile(const char* folder, size_t* rows)
{
    const std::string bytes = PublishedHolidayFile(kFirstYear, kLastYear);
    *rows = (size_t)std::count(bytes.begin(), bytes.end(), '\n') - 1;
    const std::string path = std::string(folder) + kHolidayFileName;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

// The part of the start that the file adds, read in this process as the
// calendar reads it: a figure that a busy machine cannot blur as it blurs
// two whole starts.
static double MedianRead(const char* folder)
{
    UseAppFolder(folder);
    std::vector<double> times;
    for (int i = 0; i < kReadRuns; ++i) {
        HolidayFileStamp stamp = {};
        HolidayTable table = {};
        HolidayFileResult refusal = {};
        const double start = Seconds();
        CheckHolidayFile(&stamp, &table, &refusal);
        times.push_back(Seconds() - start);
    }
    UseAppFolder(nullptr);
    return Median(times);
}

void ReportHolidayFileStart(const char* buildFolder)
{
    char plain[MAX_PATH], holidays[MAX_PATH], plainExe[MAX_PATH], holidaysExe[MAX_PATH];
    size_t rows = 0;
    if (!MakeFolder("rules", plain, sizeof plain) || !MakeFolder("file", holidays, sizeof holidays) ||
        !PrepareFolder(buildFolder, plain, plainExe, sizeof plainExe) ||
        !PrepareFolder(buildFolder, holidays, holidaysExe, sizeof holidaysExe) ||
        !WriteHolidayFile(holidays, &rows)) {
        printf("holiday file start: pelmo.exe not found beside the benchmark, or a folder not made\n");
        RemoveFolder(plain);
        RemoveFolder(holidays);
        return;
    }
    const StartComparison r = CompareStarts({holidaysExe, holidays, PELMO_CALENDAR_CLASS,
                                             kDefaultBackgroundColor},
                                            {plainExe, plain, PELMO_CALENDAR_CLASS, kDefaultBackgroundColor},
                                            kStartRuns);
    if (!r.allShown) {
        printf("holiday file start: a calendar was not yet painted when its loop ran idle\n");
    }
    const double f = r.medianMeasured, p = r.medianBaseline;
    printf("start with syukujitsu.csv (%u rows, %u to %u): %.1f ms, without it %.1f ms "
           "(medians of %d), ratio %.3f (target <= 1.05)\n",
           (unsigned)rows, kFirstYear, kLastYear, f * 1e3, p * 1e3, kStartRuns, f / p);
    const double ff = r.fastestMeasured, pf = r.fastestBaseline;
    printf("                           fastest: %.1f ms, without it %.1f ms, ratio %.3f; "
           "reading the file %.2f ms\n",
           ff * 1e3, pf * 1e3, ff / pf, MedianRead(holidays) * 1e3);
    RemoveFolder(plain);
    RemoveFolder(holidays);
}
