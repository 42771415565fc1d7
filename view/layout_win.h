// The platform half of the calendar layout: the partition lines and the
// resize cursors.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "view/layout.h"

// The lines chosen by the partition value, with the surface's current pen.
void DrawPartitionLines(HDC surface, const CalendarLayout& layout, int32_t partition);

// The shared system cursor for a border zone; nullptr for BorderCursor::
// Unchanged (the cursor is left alone). Shared cursors are never destroyed.
HCURSOR LoadBorderCursor(BorderCursor cursor);
