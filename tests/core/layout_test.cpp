#include "view/layout.h"

#include <gtest/gtest.h>

#include <limits.h>

namespace {

CalendarLayout LayoutOf(int32_t width, int32_t height, uint16_t year = 2012, uint16_t month = 6)
{
    CalendarLayout layout = {};
    layout.clientRect = {0, 0, width, height};
    EXPECT_TRUE(ComputeLayoutGeometry(&layout, year, month));
    return layout;
}

void ExpectRect(const Rect& r, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    EXPECT_EQ(left, r.left);
    EXPECT_EQ(top, r.top);
    EXPECT_EQ(right, r.right);
    EXPECT_EQ(bottom, r.bottom);
}

}   // namespace

TEST(LayoutGeometry, EvenClientAreaSplitsIntoEqualCells)
{
    CalendarLayout layout = LayoutOf(196, 200);
    ExpectRect(layout.titleRect, 0, 0, 196, 25);
    ExpectRect(layout.weekdayRects[0], 0, 25, 28, 50);
    ExpectRect(layout.weekdayRects[6], 168, 25, 196, 50);
    ExpectRect(layout.cellRects[0], 0, 50, 28, 75);
    ExpectRect(layout.cellRects[8], 28, 75, 56, 100);
    ExpectRect(layout.cellRects[41], 168, 175, 196, 200);
    // June 2012 starts on a Friday: the first week opens with 27 May.
    EXPECT_EQ(5, layout.dates.cells[0].month);
    EXPECT_EQ(27, layout.dates.cells[0].day);
    EXPECT_EQ(6, layout.dates.cells[5].month);
    EXPECT_EQ(1, layout.dates.cells[5].day);
}

TEST(LayoutGeometry, CellsTileWithoutOverlapAndOffsetOrigin)
{
    CalendarLayout layout = {};
    layout.clientRect = {10, 20, 10 + 7 * 30 + 3, 20 + 8 * 17 + 5};
    ASSERT_TRUE(ComputeLayoutGeometry(&layout, 2024, 2));
    for (int d = 0; d < kGridCells; ++d) {
        const Rect& r = layout.cellRects[d];
        EXPECT_EQ(30, r.right - r.left) << d;
        EXPECT_EQ(17, r.bottom - r.top) << d;
        if (d % kWeekdays != 0) {
            EXPECT_EQ(layout.cellRects[d - 1].right, r.left) << d;
        }
        if (d >= kWeekdays) {
            EXPECT_EQ(layout.cellRects[d - kWeekdays].bottom, r.top) << d;
        }
    }
    ExpectRect(layout.titleRect, 10, 20, 10 + 7 * 30 + 3, 37);
    ExpectRect(layout.weekdayRects[3], 100, 37, 130, 54);
    ExpectRect(layout.cellRects[0], 10, 54, 40, 71);
}

TEST(LayoutGeometry, UnshowableMonthZeroesDatesButKeepsRectangles)
{
    CalendarLayout layout = {};
    layout.clientRect = {0, 0, 196, 200};
    EXPECT_FALSE(ComputeLayoutGeometry(&layout, 2012, 13));
    EXPECT_EQ(0, layout.dates.cells[0].year);
    ExpectRect(layout.cellRects[41], 168, 175, 196, 200);
}

TEST(LayoutGeometry, ExtremeClientRectanglesDoNotOverflow)
{
    CalendarLayout layout = {};
    layout.clientRect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    ASSERT_TRUE(ComputeLayoutGeometry(&layout, 2012, 6));
    EXPECT_EQ(INT32_MAX, layout.titleRect.right);
    EXPECT_LE(layout.cellRects[41].right, INT32_MAX);
    EXPECT_GT(layout.cellRects[41].right, layout.cellRects[41].left);

    // An empty or inverted area yields empty cells that nothing can hit.
    layout.clientRect = {0, 0, 5, 7};
    ASSERT_TRUE(ComputeLayoutGeometry(&layout, 2012, 6));
    EXPECT_EQ(kNoCell, HitTestCell(layout, {0, 0}));
    layout.clientRect = {100, 100, 0, 0};
    ASSERT_TRUE(ComputeLayoutGeometry(&layout, 2012, 6));
    EXPECT_EQ(kNoCell, HitTestCell(layout, {50, 50}));
}

TEST(LayoutHitTest, CellEdgesMarginsAndHeaderRows)
{
    CalendarLayout layout = LayoutOf(200, 203);
    ExpectRect(layout.titleRect, 0, 0, 200, 25);
    EXPECT_EQ(0, HitTestCell(layout, {0, 50}));
    EXPECT_EQ(0, HitTestCell(layout, {27, 74}));
    EXPECT_EQ(1, HitTestCell(layout, {28, 50}));   // right edge belongs to the next cell
    EXPECT_EQ(7, HitTestCell(layout, {0, 75}));
    EXPECT_EQ(41, HitTestCell(layout, {195, 199}));
    EXPECT_EQ(kNoCell, HitTestCell(layout, {196, 100}));   // 4-pixel strip at the right
    EXPECT_EQ(kNoCell, HitTestCell(layout, {100, 200}));   // 3-pixel strip at the bottom
    EXPECT_EQ(kNoCell, HitTestCell(layout, {199, 202}));
    EXPECT_EQ(kNoCell, HitTestCell(layout, {10, 10}));   // title
    EXPECT_EQ(kNoCell, HitTestCell(layout, {10, 49}));   // weekday row
    EXPECT_EQ(kNoCell, HitTestCell(layout, {-1, 60}));
}

TEST(LayoutHitTest, BorderZonesCursorsAndHitCodes)
{
    const int32_t w = 196, h = 200;
    struct Case {
        Point pt;
        BorderZone zone;
        BorderCursor cursor;
        int32_t code;
    };
    const Case cases[] = {
        {{6, 6}, BorderZone::TopLeft, BorderCursor::SizeNWSE, kHitTopLeft},
        {{7, 6}, BorderZone::Top, BorderCursor::SizeNS, kHitTop},
        {{190, 194}, BorderZone::BottomRight, BorderCursor::SizeNWSE, kHitBottomRight},
        {{0, 199}, BorderZone::BottomLeft, BorderCursor::SizeNESW, kHitBottomLeft},
        {{195, 0}, BorderZone::TopRight, BorderCursor::SizeNESW, kHitTopRight},
        {{-3, 100}, BorderZone::Left, BorderCursor::SizeWE, kHitLeft},
        {{w - 6, 100}, BorderZone::Right, BorderCursor::SizeWE, kHitRight},
        {{w - 7, 100}, BorderZone::Inside, BorderCursor::Unchanged, kHitCaption},
        {{100, h - 6}, BorderZone::Bottom, BorderCursor::SizeNS, kHitBottom},
        {{100, h - 7}, BorderZone::Inside, BorderCursor::Unchanged, kHitCaption},
    };
    for (const Case& c : cases) {
        BorderHit hit = HitTestBorder(c.pt, w, h);
        EXPECT_EQ(c.zone, hit.zone) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.cursor, hit.cursor) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.code, hit.hitCode) << c.pt.x << "," << c.pt.y;
    }
    // In a window narrower than two borders every point is near both sides;
    // the first matching corner wins.
    EXPECT_EQ(BorderZone::TopLeft, HitTestBorder({5, 5}, 10, 10).zone);
    EXPECT_EQ(BorderZone::BottomRight, HitTestBorder({7, 7}, 10, 10).zone);
    // Extreme sizes must not overflow the "width - 6" comparison.
    EXPECT_EQ(BorderZone::Left, HitTestBorder({0, 100}, INT32_MIN, 300).zone);
    EXPECT_EQ(BorderZone::Right, HitTestBorder({100, 100}, INT32_MIN + 2, 300).zone);
}

TEST(LayoutPartition, LinesPerValue)
{
    CalendarLayout layout = LayoutOf(200, 203);
    LineSegment lines[kMaxPartitionLines];

    EXPECT_EQ(0, PartitionLines(layout, kPartitionNone, lines));

    ASSERT_EQ(2, PartitionLines(layout, kPartitionTwo, lines));
    EXPECT_EQ(0, lines[0].from.x);
    EXPECT_EQ(25, lines[0].from.y);
    EXPECT_EQ(200, lines[0].to.x);   // across the full width, margin included
    EXPECT_EQ(50, lines[1].to.y);

    for (int32_t value : {kPartitionAll, 5, -1}) {
        ASSERT_EQ(kMaxPartitionLines, PartitionLines(layout, value, lines)) << value;
        EXPECT_EQ(175, lines[6].from.y);
        EXPECT_EQ(28, lines[7].from.x);   // first vertical line
        EXPECT_EQ(25, lines[7].from.y);   // starts under the title
        EXPECT_EQ(203, lines[7].to.y);    // reaches the bottom edge
        EXPECT_EQ(168, lines[12].from.x);
    }
}
