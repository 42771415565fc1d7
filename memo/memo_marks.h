// Which dates of a month view carry a memo: those whose memo file (or a
// folder of that name) exists in DATA.
#pragma once
#include <stdint.h>

#include "core/dates.h"

// Sets marked[d] to 1 when the memo of dates.cells[d] exists, else 0.
// Changes to DATA made by any program show at the next marking.
void MarkMemoDates(const MonthGrid& dates, int32_t marked[kGridCells]);

// Drops what is known of DATA's contents, so the next marking looks again;
// for changes the calendar makes itself.
void ForgetMemoFolder();

// Stops watching DATA and drops its listing; for the calendar's close order.
// A marking after it simply starts afresh.
void ReleaseMemoMarks();
