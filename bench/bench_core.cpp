// One month's full work for the calendar view: the grid, the day kind and
// the tooltip label of every cell. The far year must cost no more than a
// near one, since the weekday count is closed-form; the ratio is printed last.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/holidays.h"

namespace {

const uint16_t kNearYear = 2026;
const uint16_t kFarYear = 9999;
const double kTargetRatio = 1.2;
const char kNearName[] = "MonthWork/2026-12";
const char kFarName[] = "MonthWork/9999-12";

void MonthWork(benchmark::State& state, uint16_t year) {
    for (auto _ : state) {
        MonthGrid grid;
        FillMonthGrid(year, kDecember, &grid);
        int holidays = 0;
        for (int i = 0; i < kGridCells; ++i) {
            const GridDate& cell = grid.cells[i];
            const DayKind kind = ClassifyDay(cell.year, cell.month, cell.day, cell.weekday,
                                             cell.month == kDecember);
            holidays += kind == DayKind::Holiday;
            char dateLine[kDateLineSize];
            char label[kDayLabelSize];
            FormatDateLine(cell, dateLine, sizeof dateLine);
            BuildDayLabel(dateLine, cell, label, sizeof label);
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

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // The median of the repetitions: one noisy run must not decide.
            if (run.error_occurred || run.run_type != Run::RT_Aggregate ||
                run.aggregate_name != "median") {
                continue;
            }
            const std::string name = run.benchmark_name();
            if (name.compare(0, strlen(kNearName), kNearName) == 0) {
                nearTime = run.GetAdjustedCPUTime();
            } else if (name.compare(0, strlen(kFarName), kFarName) == 0) {
                farTime = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = 9;
    benchmark::RegisterBenchmark(kNearName, MonthWork, kNearYear)
        ->Repetitions(repetitions)->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(kFarName, MonthWork, kFarYear)
        ->Repetitions(repetitions)->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.nearTime <= 0 || reporter.farTime <= 0) {
        printf("ratio 9999/2026: not measured\n");
        return 1;
    }
    const double ratio = reporter.farTime / reporter.nearTime;
    printf("ratio 9999/2026: %.2f (target <= %.1f)\n", ratio, kTargetRatio);
    fflush(stdout);
    return 0;
}
