// Sizes and placement shared by the drawing steps of the calendar: every text
// is sized from the cell size and centred in its cell.
#pragma once
#include <windows.h>

#include "settings/design_record.h"
#include "view/layout.h"

// Width of a day cell and height of a row (all cells and rows are equal).
int CellWidth(const CalendarLayout& layout);
int RowHeight(const CalendarLayout& layout);

// Font heights of the title and day numbers, and of the weekday row, from
// the cell size, the design's size offset and its header format. The result
// may be zero or negative for a small window and a negative offset.
int CalendarTextHeight(const CalendarLayout& layout, const DesignRecord& design);
int WeekdayTextHeight(const CalendarLayout& layout, const DesignRecord& design);

// Draws text with the surface's font and colour centred in a cell of the
// given size, moved leftShift pixels to the left.
void DrawCellText(HDC surface, const char* text, const Rect& cell, int cellWidth, int rowHeight,
                  int leftShift);
