// The platform half of the calendar layout: memo marks from the files on
// disk, the partition lines and the resize cursors.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "settings/design_record.h"
#include "view/layout.h"

// Geometry and dates from layout->clientRect, then marked[d] = 1 for every
// cell whose date has a memo file (or folder) in DATA, days of the
// neighbouring months included. False when the month cannot be shown; no
// cell is marked then.
bool ComputeLayout(CalendarLayout* layout, uint16_t year, uint16_t month);

// The lines chosen by design.partition, with the surface's current pen;
// nothing on a transparent calendar (settingsFile's BGBRUSH TRANSPARENT).
void DrawPartitionLines(HDC surface, const CalendarLayout& layout, const DesignRecord& design,
                        const char* settingsFile);

// The shared system cursor for a border zone; nullptr for BorderCursor::
// Unchanged (the cursor is left alone). Shared cursors are never destroyed.
HCURSOR LoadBorderCursor(BorderCursor cursor);
