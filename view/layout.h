// Geometry of the calendar in its window: eight equal rows (title, weekday
// names, six weeks), the dates shown and which of them carry a memo. Pure
// arithmetic, so it builds and is tested natively as well.
#pragma once
#include <stdint.h>

#include "core/dates.h"

// Same layout as the Win32 RECT: right and bottom are exclusive.
struct Rect {
    int32_t left, top, right, bottom;
};

struct Point {
    int32_t x, y;
};

constexpr int kWeekdays = 7;
constexpr int kLayoutRows = 8;
constexpr int kNoCell = -1;

struct CalendarLayout {
    Rect clientRect;   // set by the caller
    Rect titleRect;
    Rect weekdayRects[kWeekdays];
    Rect cellRects[kGridCells];
    MonthGrid dates;
    int32_t marked[kGridCells];   // 1 when the cell's date has a memo
};

// Where a point lies relative to the window's resize border.
enum class BorderZone { TopLeft, TopRight, BottomLeft, BottomRight, Left, Right, Top, Bottom, Inside };
enum class BorderCursor { Unchanged, SizeNWSE, SizeNESW, SizeWE, SizeNS };

// The window hit codes (WM_NCHITTEST values) that start the platform's own
// move or size loop; spelled out so the geometry needs no windows.h.
constexpr int32_t kHitCaption = 2;
constexpr int32_t kHitLeft = 10;
constexpr int32_t kHitRight = 11;
constexpr int32_t kHitTop = 12;
constexpr int32_t kHitTopLeft = 13;
constexpr int32_t kHitTopRight = 14;
constexpr int32_t kHitBottom = 15;
constexpr int32_t kHitBottomLeft = 16;
constexpr int32_t kHitBottomRight = 17;

// Pixels from each edge in which dragging resizes instead of moving.
constexpr int32_t kBorderWidth = 6;

struct BorderHit {
    BorderZone zone;
    BorderCursor cursor;
    int32_t hitCode;   // the Win32 HT* code that starts the move or size loop
};

// Rectangles from clientRect and the dates of the shown month; leaves
// `marked` untouched (the memo files are the platform side's business).
// False, with every date zeroed, for a month the grid cannot show; the
// rectangles are set either way.
bool ComputeLayoutGeometry(CalendarLayout* layout, uint16_t year, uint16_t month);

// Index 0 to 41 of the day cell that holds the point, or kNoCell.
int HitTestCell(const CalendarLayout& layout, Point pt);

BorderHit HitTestBorder(Point pt, int32_t width, int32_t height);

// Partition lines: none, only the two under the title and the weekday row,
// or every inner line of the grid (any other value).
constexpr int32_t kPartitionNone = 0;
constexpr int32_t kPartitionAll = 1;
constexpr int32_t kPartitionTwo = 2;
// Seven horizontal lines under the rows and six between the columns.
constexpr int kMaxPartitionLines = 13;

// A line drawn with the current pen from `from` up to, not including, `to`.
struct LineSegment {
    Point from, to;
};

// Fills out (room for kMaxPartitionLines) with the lines of the partition
// value for the layout's client rectangle; returns how many.
int PartitionLines(const CalendarLayout& layout, int32_t partition, LineSegment* out);
