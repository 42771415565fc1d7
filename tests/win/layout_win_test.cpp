// Memo marks from real files and partition lines read back as pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "memo/memo_marks.h"
#include "memo/memo_store.h"
#include "tests/win/test_support.h"
#include "view/layout_win.h"

// The border hit codes go back to Windows as they are.
static_assert(kHitCaption == HTCAPTION && kHitLeft == HTLEFT && kHitRight == HTRIGHT && kHitTop == HTTOP &&
                  kHitTopLeft == HTTOPLEFT && kHitTopRight == HTTOPRIGHT && kHitBottom == HTBOTTOM &&
                  kHitBottomLeft == HTBOTTOMLEFT && kHitBottomRight == HTBOTTOMRIGHT,
              "hit codes must be Windows' own");
static_assert(sizeof(Rect) == sizeof(RECT), "Rect must match RECT");

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

class LayoutWin : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(EnsureFolder(kMemoFolder));
        ASSERT_TRUE(CreateSurface(&surface_, kWidth, kHeight));
    }

    void TearDown() override
    {
        DestroySurface(&surface_);
        AppFolderTest::TearDown();
    }

    void Touch(const char* name) { ASSERT_TRUE(WriteWholeFile(Path(name), "")); }

    int MarkedCount(CalendarLayout* layout)
    {
        layout->clientRect = {0, 0, 196, 200};
        EXPECT_TRUE(ComputeLayoutGeometry(layout, 2012, 6));
        MarkMemoDates(layout->dates, layout->marked);
        int marked = 0;
        for (int d = 0; d < kGridCells; ++d) {
            marked += layout->marked[d];
        }
        return marked;
    }

    // Draws the partition lines of a 200 x 203 calendar on white and returns
    // the number of black pixels, leaving the surface for inspection.
    int DrawAndCount(int32_t partition)
    {
        CalendarLayout layout = {};
        layout.clientRect = {0, 0, kWidth, kHeight};
        ComputeLayoutGeometry(&layout, 2012, 6);
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(surface_.dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
        DrawPartitionLines(surface_.dc, layout, partition);
        GdiFlush();
        int black = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                black += At(x, y) == kBlack;
            }
        }
        return black;
    }

    static const int kWidth = 200;
    static const int kHeight = 203;
    Surface surface_ = {};
    COLORREF At(int x, int y) { return SurfacePixel(surface_, x, y); }
};

}   // namespace

TEST_F(LayoutWin, MarksFollowMemoFilesIncludingNeighbouringMonths)
{
    Touch("DATA\\2012年06月04日(月).dat");
    Touch("DATA\\2012年07月01日(日).dat");   // next month, shown in the last rows
    Touch("DATA\\2012年05月27日(日).dat");   // previous month, cell 0
    Touch("DATA\\2012年06月05日(水).dat");   // wrong weekday: never found

    CalendarLayout layout = {};
    EXPECT_EQ(3, MarkedCount(&layout));
    EXPECT_EQ(1, layout.marked[0]);
    EXPECT_EQ(1, layout.marked[8]);    // 4 June: second row, Monday
    EXPECT_EQ(1, layout.marked[35]);   // 1 July: sixth row, Sunday
    EXPECT_EQ(0, layout.marked[9]);

    // Deleted elsewhere: the next marking forgets it.
    DeleteFileA(Path("DATA\\2012年06月04日(月).dat").c_str());
    EXPECT_EQ(2, MarkedCount(&layout));
    EXPECT_EQ(0, layout.marked[8]);
}

// The names in DATA are kept between refreshes once the folder has been
// quiet for a while; any file made or removed there must still show.
TEST_F(LayoutWin, MarksFollowChangesToASettledFolder)
{
    standIns_.StopTicks();
    Touch("DATA\\2012年06月04日(月).dat");
    CalendarLayout layout = {};
    standIns_.MoveTicks(2100);
    EXPECT_EQ(1, MarkedCount(&layout));
    EXPECT_EQ(1, MarkedCount(&layout));

    Touch("DATA\\2012年06月05日(火).DAT");   // names match without case
    EXPECT_EQ(2, MarkedCount(&layout));
    DeleteFileA(Path("DATA\\2012年06月04日(月).dat").c_str());
    EXPECT_EQ(1, MarkedCount(&layout));
    EXPECT_EQ(1, layout.marked[9]);

    RemoveTestFolder(Path("DATA\\"));
    EXPECT_EQ(0, MarkedCount(&layout));
}

TEST_F(LayoutWin, PartitionLinesAsPixels)
{
    EXPECT_EQ(0, DrawAndCount(0));

    // Two lines under the title and the weekday row, the full width.
    EXPECT_EQ(2 * kWidth, DrawAndCount(2));
    EXPECT_EQ(kBlack, At(0, 25));
    EXPECT_EQ(kBlack, At(kWidth - 1, 50));
    EXPECT_EQ(kWhite, At(28, 60));

    // Any other value: seven rows and six columns; the columns start under
    // the title and no line runs along the outer border.
    int all = DrawAndCount(5);
    const int verticalLength = kHeight - 25;
    EXPECT_EQ(7 * kWidth + 6 * verticalLength - 6 * 7, all);   // crossings counted once
    EXPECT_EQ(kBlack, At(28, 25));
    EXPECT_EQ(kWhite, At(28, 24));
    EXPECT_EQ(kBlack, At(168, kHeight - 1));
    EXPECT_EQ(kBlack, At(kWidth - 1, 175));
    EXPECT_EQ(kWhite, At(0, 0));
    EXPECT_EQ(kWhite, At(kWidth - 1, kHeight - 1));
    EXPECT_EQ(kWhite, At(196, 60));   // margin column: no vertical line at 7 * 28
    EXPECT_EQ(all, DrawAndCount(1));
}

TEST(LayoutCursor, BorderCursorsAreTheSystemSizeCursors)
{
    EXPECT_EQ(LoadCursorA(nullptr, IDC_SIZENWSE), LoadBorderCursor(HitTestBorder({0, 0}, 100, 100).cursor));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_SIZENESW), LoadBorderCursor(HitTestBorder({99, 0}, 100, 100).cursor));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_SIZEWE), LoadBorderCursor(HitTestBorder({0, 50}, 100, 100).cursor));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_SIZENS), LoadBorderCursor(HitTestBorder({50, 99}, 100, 100).cursor));
    EXPECT_EQ(nullptr, LoadBorderCursor(HitTestBorder({50, 50}, 100, 100).cursor));
    EXPECT_NE(nullptr, LoadCursorA(nullptr, IDC_SIZENS));
}
