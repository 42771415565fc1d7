#include "view/layout.h"

#include <string.h>

// Widths are taken in 64 bits: a client rectangle near the ends of the 32-bit
// range must not overflow. Every result lies between left and right (or top
// and bottom) and so fits 32 bits again.
struct CellSize {
    int64_t width, height;
};

static CellSize CellSizeOf(const Rect& client)
{
    CellSize size;
    size.width = ((int64_t)client.right - client.left) / kWeekdays;
    size.height = ((int64_t)client.bottom - client.top) / kLayoutRows;
    return size;
}

static Rect GridRect(const Rect& client, CellSize size, int column, int row)
{
    Rect r;
    r.left = (int32_t)(client.left + column * size.width);
    r.top = (int32_t)(client.top + row * size.height);
    r.right = (int32_t)(client.left + (column + 1) * size.width);
    r.bottom = (int32_t)(client.top + (row + 1) * size.height);
    return r;
}

// The two rows above the weeks: title and weekday names.
static const int kHeaderRows = 2;
static const int kWeekdayRow = 1;

bool ComputeLayoutGeometry(CalendarLayout* layout, uint16_t year, uint16_t month)
{
    const Rect client = layout->clientRect;
    const CellSize size = CellSizeOf(client);

    layout->titleRect = client;
    layout->titleRect.bottom = (int32_t)(client.top + size.height);
    for (int k = 0; k < kWeekdays; ++k) {
        layout->weekdayRects[k] = GridRect(client, size, k, kWeekdayRow);
    }
    for (int d = 0; d < kGridCells; ++d) {
        layout->cellRects[d] = GridRect(client, size, d % kGridColumns, d / kGridColumns + kHeaderRows);
    }
    if (!FillMonthGrid(year, month, &layout->dates)) {
        memset(&layout->dates, 0, sizeof layout->dates);
        return false;
    }
    return true;
}

static bool Contains(const Rect& r, Point pt)
{
    return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
}

int HitTestCell(const CalendarLayout& layout, Point pt)
{
    for (int d = 0; d < kGridCells; ++d) {
        if (Contains(layout.cellRects[d], pt)) {
            return d;
        }
    }
    return kNoCell;
}

BorderHit HitTestBorder(Point pt, int32_t width, int32_t height)
{
    const bool left = pt.x <= kBorderWidth;
    const bool top = pt.y <= kBorderWidth;
    const bool right = (int64_t)pt.x >= (int64_t)width - kBorderWidth;
    const bool bottom = (int64_t)pt.y >= (int64_t)height - kBorderWidth;

    // Corners first, so a tiny window that is "near" every edge still gets a
    // corner; the order decides which corner.
    if (left && top) {
        return {BorderZone::TopLeft, BorderCursor::SizeNWSE, kHitTopLeft};
    }
    if (right && bottom) {
        return {BorderZone::BottomRight, BorderCursor::SizeNWSE, kHitBottomRight};
    }
    if (left && bottom) {
        return {BorderZone::BottomLeft, BorderCursor::SizeNESW, kHitBottomLeft};
    }
    if (right && top) {
        return {BorderZone::TopRight, BorderCursor::SizeNESW, kHitTopRight};
    }
    if (left) {
        return {BorderZone::Left, BorderCursor::SizeWE, kHitLeft};
    }
    if (right) {
        return {BorderZone::Right, BorderCursor::SizeWE, kHitRight};
    }
    if (top) {
        return {BorderZone::Top, BorderCursor::SizeNS, kHitTop};
    }
    if (bottom) {
        return {BorderZone::Bottom, BorderCursor::SizeNS, kHitBottom};
    }
    return {BorderZone::Inside, BorderCursor::Unchanged, kHitCaption};
}

static LineSegment Segment(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    LineSegment s;
    s.from = {(int32_t)x0, (int32_t)y0};
    s.to = {(int32_t)x1, (int32_t)y1};
    return s;
}

// Lines under the title and under the weekday row.
static const int kTwoLineRows = 2;

int PartitionLines(const CalendarLayout& layout, int32_t partition, LineSegment* out)
{
    if (partition == kPartitionNone) {
        return 0;
    }
    const Rect c = layout.clientRect;
    const CellSize size = CellSizeOf(c);
    const int rows = partition == kPartitionTwo ? kTwoLineRows : kLayoutRows - 1;
    int count = 0;
    for (int k = 1; k <= rows; ++k) {
        const int64_t y = c.top + k * size.height;
        out[count++] = Segment(c.left, y, c.right, y);
    }
    if (partition == kPartitionTwo) {
        return count;
    }
    // The vertical lines start under the title: it is one undivided band.
    for (int k = 1; k < kWeekdays; ++k) {
        const int64_t x = c.left + k * size.width;
        out[count++] = Segment(x, c.top + size.height, x, c.bottom);
    }
    return count;
}
