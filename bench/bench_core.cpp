// One month's full work for the calendar view: the grid, the day kind and
// the tooltip label of every cell. The far year must cost no more than a
// near one, since the weekday count is closed-form; and the holidays of the
// published file (1955 to 2027, as the rules would write it) no more than
// the rules'. The ratios are printed last.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/holiday_file.h"
#include "core/holidays.h"
#include "tests/core/holiday_file_maker.h"

namespace {

const uint16_t kNearYear = 2026;
const uint16_t kFarYear = 9999;
const double kTargetRatio = 1.2;
const char kNearName[] = "MonthWork/2026-12";
const char kFarName[] = "MonthWork/9999-12";
const char kFileName[] = "MonthWork/2026-12/file";
const uint16_t kFileFirstYear = 1955;
const uint16_t kFileLastYear = 2027;

void MonthWork(benchmark::State& state, uint16_t year, const HolidayTable* table)
{
    for (auto _ : state) {
        MonthGrid grid;
        FillMonthGrid(year, kDecember, &grid);
        int holidays = 0;
        for (int i = 0; i < kGridCells; ++i) {
            const GridDate& cell = grid.cells[i];
            const DayKind kind = ClassifyDay(cell.year, cell.month, cell.day, cell.weekday,
                                             cell.month == kDecember, table);
            holidays += kind == DayKind::Holiday;
            char dateLine[kDateLineSize];
            char label[kDayLabelSize];
            FormatDateLine(cell, dateLine, sizeof dateLine);
            BuildDayLabel(dateLine, cell, label, sizeof label, table);
            benchmark::DoNotOptimize(label);
        }
        benchmark::DoNotOptimize(holidays);
    }
}

// The library hands results only to a reporter, so this one keeps the median
// time per iteration of the two benchmarks while the console shows the table.
struct RatioReporter : benchmark::ConsoleReporter {
    double nearTime = 0;
    double farTime = 0;
    double fileTime = 0;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            // The median of the repetitions: one noisy run must not decide.
            if (run.error_occurred || run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") {
                continue;
            }
            const std::string name = run.benchmark_name();
            if (name.compare(0, strlen(kFileName), kFileName) == 0) {
                fileTime = run.GetAdjustedCPUTime();
            } else if (name.compare(0, strlen(kNearName), kNearName) == 0) {
                nearTime = run.GetAdjustedCPUTime();
            } else if (name.compare(0, strlen(kFarName), kFarName) == 0) {
                farTime = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}   // namespace

int main(int argc, char** argv)
{
    const int repetitions = 9;
    const std::string file = PublishedHolidayFile(kFileFirstYear, kFileLastYear);
    HolidayTable table = {};
    if (ParseHolidayFile(file.data(), file.size(), &table).problem != HolidayFileProblem::None) {
        printf("the generated holiday file was refused\n");
        return 1;
    }
    const HolidayTable* rules = nullptr;
    benchmark::RegisterBenchmark(kNearName, MonthWork, kNearYear, rules)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(kFarName, MonthWork, kFarYear, rules)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(kFileName, MonthWork, kNearYear, &table)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.nearTime <= 0 || reporter.farTime <= 0 || reporter.fileTime <= 0) {
        printf("ratio 9999/2026: not measured\n");
        return 1;
    }
    const double ratio = reporter.farTime / reporter.nearTime;
    printf("ratio 9999/2026: %.2f (target <= %.1f)\n", ratio, kTargetRatio);
    printf("ratio holiday file %u rows/rules, 2026-12: %.2f (target <= %.1f)\n",
           static_cast<unsigned>(table.rows.size()), reporter.fileTime / reporter.nearTime, kTargetRatio);
    fflush(stdout);
    return 0;
}
