#include "view/paint_metrics.h"

#include <string.h>

// Room left above and below the title and the day numbers.
static constexpr int kTextMargin = 5;

// The wider English header texts need a smaller font to fit their cell; the
// reduction is larger when the cells are taller than wide, because the font
// is then sized from the width.
struct HeaderReduction {
    int format;
    int whenWide;     // cell at least as wide as high
    int whenNarrow;   // cell narrower than high
};

static constexpr HeaderReduction kHeaderReductions[] = {
    {2, 9, 11},    // "SU" "MO" ...
    {3, 15, 19},   // "SUN" "MON" ...
    {4, 7, 9},     // "Su" "Mo" ...
    {5, 11, 17},   // "Sun" "Mon" ...
};

int CellWidth(const CalendarLayout& layout)
{
    return layout.cellRects[0].right - layout.cellRects[0].left;
}

int RowHeight(const CalendarLayout& layout)
{
    return layout.titleRect.bottom - layout.titleRect.top;
}

static int SmallerSide(const CalendarLayout& layout)
{
    const int width = CellWidth(layout);
    const int height = RowHeight(layout);
    return width < height ? width : height;
}

int CalendarTextHeight(const CalendarLayout& layout, const DesignRecord& design)
{
    return SmallerSide(layout) - kTextMargin + design.sizeOffset;
}

int WeekdayTextHeight(const CalendarLayout& layout, const DesignRecord& design)
{
    int reduction = kTextMargin;
    const bool wide = CellWidth(layout) >= RowHeight(layout);
    for (const HeaderReduction& entry : kHeaderReductions) {
        if (entry.format == design.weekdayFormat) {
            reduction = wide ? entry.whenWide : entry.whenNarrow;
        }
    }
    return SmallerSide(layout) - reduction + design.sizeOffset;
}

void DrawCellText(HDC surface, const char* text, const Rect& cell, int cellWidth, int rowHeight,
                  int leftShift)
{
    const int length = static_cast<int>(strlen(text));
    SIZE extent = {};
    GetTextExtentPoint32A(surface, text, length, &extent);
    const int x = cell.left + (cellWidth - extent.cx) / 2 - leftShift;
    const int y = cell.top + (rowHeight - extent.cy) / 2;
    TextOutA(surface, x, y, text, length);
}
