// The painted calendar, read back pixel by pixel from a memory surface.
#include <gtest/gtest.h>
#include <windows.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/settings_defaults.h"
#include "settings/settings_sections.h"
#include "tests/win/test_support.h"
#include "view/fonts.h"
#include "view/paint.h"
#include "view/paint_metrics.h"

namespace {

// 56 by 50 pixel cells: large glyphs always have pixels of the pure colour.
constexpr int kWidth = 392;
constexpr int kHeight = 400;

constexpr COLORREF kBackground = RGB(240, 240, 200);
constexpr COLORREF kLine = RGB(0, 0, 0);
constexpr COLORREF kTitle = RGB(120, 0, 120);
constexpr COLORREF kSunday = RGB(220, 20, 20);
constexpr COLORREF kSaturday = RGB(20, 20, 220);
constexpr COLORREF kHoliday = RGB(230, 0, 230);
constexpr COLORREF kWeekday = RGB(0, 150, 0);
constexpr COLORREF kOther = RGB(100, 100, 100);
constexpr COLORREF kMemo = RGB(150, 220, 255);
constexpr COLORREF kToday = RGB(255, 255, 100);
constexpr COLORREF kTodayMemo = RGB(255, 170, 80);

// May 2012 begins on a Tuesday; 3 to 5 May are holidays, 5 May a Saturday.
constexpr DateTime kMay10 = {2012, 5, 4, 10, 9, 5, 0, 0};
// A day of another month: May is then not the current month.
constexpr DateTime kJune10 = {2012, 6, 0, 10, 9, 5, 0, 0};
constexpr int kFirstCell = 2;

DesignRecord TestDesign()
{
    DesignRecord design = {};
    design.titleFormat = kTitleNumeric;
    design.font.lfCharSet = SHIFTJIS_CHARSET;
    strcpy(design.font.lfFaceName, kDefaultFaceName);
    design.titleColor = kTitle;
    design.sundayColor = kSunday;
    design.saturdayColor = kSaturday;
    design.holidayColor = kHoliday;
    design.weekdayColor = kWeekday;
    design.otherMonthColor = kOther;
    design.partition = 1;
    return design;
}

struct Box {
    int left = kWidth, top = kHeight, right = -1, bottom = -1;
    int count = 0;
};

class Paint : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateSurface(&surface_, kWidth, kHeight));
        brush_ = CreateSolidBrush(kBackground);
        SelectObject(surface_.dc, brush_);
        layout_.clientRect = {0, 0, kWidth, kHeight};
        ASSERT_TRUE(ComputeLayoutGeometry(&layout_, 2012, 5));
        colors_ = {kMemo, kToday, kTodayMemo};
    }

    void TearDown() override
    {
        ReleasePaintFonts(&fonts_);
        DestroySurface(&surface_);
        DeleteObject(brush_);
    }

    // A May 2012 frame; today is 10 May when today is true, else a day of
    // June, so that no cell of May is today.
    PaintInput MayInput(const DesignRecord& design, bool today) const
    {
        PaintInput input = {};
        input.design = design;
        input.cellColors = colors_;
        input.now = today ? kMay10 : kJune10;
        input.shownYear = 2012;
        input.shownMonth = 5;
        input.layout = layout_;
        return input;
    }

    void PaintMay(const DesignRecord& design, bool today)
    {
        PaintCalendar(surface_.dc, MayInput(design, today), &fonts_);
        GdiFlush();
    }

    COLORREF Pixel(int x, int y) const { return SurfacePixel(surface_, x, y); }

    // Where the pixels of exactly this colour lie inside the area.
    Box Find(const Rect& area, COLORREF color) const
    {
        Box box;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (Pixel(x, y) == color) {
                    box.left = std::min(box.left, x);
                    box.right = std::max(box.right, x);
                    box.top = std::min(box.top, y);
                    box.bottom = std::max(box.bottom, y);
                    ++box.count;
                }
            }
        }
        return box;
    }

    bool Has(int cell, COLORREF color) const { return Find(layout_.cellRects[cell], color).count > 0; }
    bool HeaderHas(int column, COLORREF color) const
    {
        return Find(layout_.weekdayRects[column], color).count > 0;
    }
    COLORREF Inside(int cell) const
    {
        return Pixel(layout_.cellRects[cell].left + 1, layout_.cellRects[cell].top + 1);
    }
    COLORREF Corner(int cell) const
    {
        return Pixel(layout_.cellRects[cell].right - 1, layout_.cellRects[cell].bottom - 1);
    }

    Surface surface_ = {};
    HBRUSH brush_ = nullptr;
    CalendarLayout layout_ = {};
    CellColors colors_ = {};
    PaintFonts fonts_ = {};
};

TEST_F(Paint, TextColoursFollowTheKindOfDay)
{
    PaintMay(TestDesign(), false);
    EXPECT_GT(Find(layout_.titleRect, kTitle).count, 0);

    EXPECT_TRUE(HeaderHas(0, kSunday));
    EXPECT_TRUE(HeaderHas(6, kSaturday));
    for (int column = 0; column < kWeekdays; ++column) {
        EXPECT_EQ(column > 0 && column < 6, HeaderHas(column, kWeekday)) << column;
        EXPECT_FALSE(HeaderHas(column, kHoliday)) << column;
    }

    // 29 April: a Sunday and a holiday, but of the month before.
    EXPECT_TRUE(Has(0, kOther));
    EXPECT_FALSE(Has(0, kSunday) || Has(0, kHoliday));
    EXPECT_TRUE(Has(kFirstCell + 2, kHoliday));   // 3 May, Thursday
    EXPECT_TRUE(Has(kFirstCell + 4, kHoliday));   // 5 May, Saturday
    EXPECT_FALSE(Has(kFirstCell + 4, kSaturday));
    EXPECT_TRUE(Has(kFirstCell + 5, kSunday));      // 6 May
    EXPECT_TRUE(Has(kFirstCell + 6, kWeekday));     // 7 May
    EXPECT_TRUE(Has(kFirstCell + 11, kSaturday));   // 12 May
    EXPECT_TRUE(Has(35, kOther));                   // 3 June, a Sunday
    EXPECT_FALSE(Has(35, kSunday));
}

TEST_F(Paint, TodayOutranksMemoAndBothSpareThePartitionLines)
{
    const int today = kFirstCell + 9;
    const int plain = today + 1;
    const int memoDay = kFirstCell + 19;
    const int lastApril = 1;
    layout_.marked[today] = 1;
    layout_.marked[memoDay] = 1;
    layout_.marked[lastApril] = 1;
    const DesignRecord design = TestDesign();

    PaintMay(design, true);
    EXPECT_EQ(kTodayMemo, Inside(today));
    EXPECT_EQ(kTodayMemo, Corner(today));
    EXPECT_EQ(kMemo, Inside(memoDay));
    EXPECT_EQ(kMemo, Corner(memoDay));
    EXPECT_EQ(kBackground, Inside(plain));
    // Highlights start past the lines on the cell's left and top edges.
    const Rect& cell = layout_.cellRects[today];
    EXPECT_EQ(kLine, Pixel(cell.left, cell.top + 2));
    EXPECT_EQ(kLine, Pixel(cell.left + 2, cell.top));
    // A memo does not change the colour of the number.
    EXPECT_EQ(kMemo, Inside(lastApril));
    EXPECT_TRUE(Has(lastApril, kOther));
    EXPECT_FALSE(Has(lastApril, kHoliday));

    layout_.marked[today] = 0;
    PaintMay(design, true);
    EXPECT_EQ(kToday, Inside(today));

    // Another month is current: no today, the memos still show.
    PaintMay(design, false);
    EXPECT_EQ(kBackground, Inside(today));
    EXPECT_EQ(kMemo, Inside(memoDay));
}

TEST_F(Paint, OnlyTheExactMarkHighlightsAndTodayStaysInItsMonth)
{
    const DesignRecord design = TestDesign();
    layout_.marked[5] = 2;
    PaintMay(design, false);
    EXPECT_EQ(kBackground, Inside(5));

    // Today in a neighbouring month's cell of the grid is not highlighted
    // there, and a day the month does not have highlights nothing.
    PaintInput input = MayInput(design, true);
    for (DateTime now : {DateTime{2012, 4, 0, 29, 0, 0, 0, 0}, DateTime{2012, 6, 0, 3, 0, 0, 0, 0},
                         DateTime{2012, 5, 0, 0, 0, 0, 0, 0}, DateTime{2012, 5, 0, 32, 0, 0, 0, 0}}) {
        input.now = now;
        PaintCalendar(surface_.dc, input, &fonts_);
        GdiFlush();
        EXPECT_EQ(0, Find(layout_.clientRect, kToday).count) << now.month << "/" << now.day;
    }
}

TEST_F(Paint, LeftShiftMovesHeaderAndNumbersButNotTheTitle)
{
    DesignRecord design = TestDesign();
    design.weekdayFormat = 1;
    PaintMay(design, false);
    const Rect headerRow = {0, layout_.weekdayRects[0].top, kWidth, layout_.weekdayRects[0].bottom};
    const Rect sundayRow = {0, layout_.cellRects[7].top, kWidth, layout_.cellRects[7].bottom};
    const Box title = Find(layout_.titleRect, kTitle);
    const Box header = Find(headerRow, kSaturday);
    const Box day = Find(sundayRow, kSunday);
    EXPECT_NEAR(kWidth / 2.0, (title.left + title.right) / 2.0, 3);

    design.leftShift = 10;
    PaintMay(design, false);
    const Box shiftedTitle = Find(layout_.titleRect, kTitle);
    const Box shiftedHeader = Find(headerRow, kSaturday);
    const Box shiftedDay = Find(sundayRow, kSunday);
    EXPECT_EQ(title.left, shiftedTitle.left);
    EXPECT_EQ(header.left - 10, shiftedHeader.left);
    EXPECT_EQ(header.top, shiftedHeader.top);
    EXPECT_EQ(day.left - 10, shiftedDay.left);
    EXPECT_EQ(day.count, shiftedDay.count);
}

TEST_F(Paint, PartitionValueChoosesTheLinesUnlessTransparent)
{
    DesignRecord design = TestDesign();
    const int cw = kWidth / 7, ch = kHeight / 8;
    PaintMay(design, false);
    EXPECT_EQ(kLine, Pixel(cw, 4 * ch + 1));     // vertical, in the day rows
    EXPECT_EQ(kLine, Pixel(cw / 2, 7 * ch));     // last horizontal
    EXPECT_EQ(kBackground, Pixel(cw, ch / 2));   // none in the title row

    PaintInput transparent = MayInput(design, false);
    transparent.transparent = true;
    PaintCalendar(surface_.dc, transparent, &fonts_);
    GdiFlush();
    EXPECT_EQ(0, Find(layout_.clientRect, kLine).count);

    design.partition = 0;
    PaintMay(design, false);
    EXPECT_EQ(0, Find(layout_.clientRect, kLine).count);
}

// The design list paints designs that are not in force: what is painted is
// what the frame is handed, whatever the settings file and the memo folder
// beside the program hold.
class PaintFromInput : public AppFolderTest {};

TEST_F(PaintFromInput, AnotherDesignIntoASmallSurfaceReadsNoFile)
{
    const COLORREF fileColor = RGB(10, 10, 10);
    const std::string ini = Path("pelmo.ini");
    for (const char* key : {"HOLIDAY", "SATURDAY", "SUNDAY", "WEEKDAY", "MONTH", "OTHERDAY"}) {
        WritePrivateProfileStringA("TEXTCOLOR", key, std::to_string(fileColor).c_str(), ini.c_str());
    }
    WritePrivateProfileStringA("MARKED", "COLOR", std::to_string(fileColor).c_str(), ini.c_str());
    WritePrivateProfileStringA("TODAY", "COLOR", std::to_string(fileColor).c_str(), ini.c_str());
    WritePrivateProfileStringA("BGBRUSH", "TRANSPARENT", "1", ini.c_str());
    ASSERT_TRUE(CreateDirectoryA(Path("DATA").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(Path("DATA\\2012年05月20日(日).dat"), "memo"));

    Surface surface = {};
    ASSERT_TRUE(CreateSurface(&surface, 210, 200));
    HBRUSH background = CreateSolidBrush(kBackground);
    PaintInput input = {};
    input.design = TestDesign();
    input.background = background;   // nothing selected into the surface
    input.cellColors = {kMemo, kToday, kTodayMemo};
    input.now = kMay10;
    input.shownYear = 2012;
    input.shownMonth = 5;
    input.layout.clientRect = {0, 0, 210, 200};
    ASSERT_TRUE(ComputeLayoutGeometry(&input.layout, 2012, 5));
    input.layout.marked[kFirstCell + 12] = 1;   // 14 May, not the 20th of the file
    PaintFonts fonts = {};
    PaintCalendar(surface.dc, input, &fonts);
    GdiFlush();

    int line = 0, file = 0, memo = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 210; ++x) {
            const COLORREF pixel = SurfacePixel(surface, x, y);
            line += pixel == kLine;
            file += pixel == fileColor;
            memo += pixel == kMemo;
        }
    }
    EXPECT_EQ(kBackground, SurfacePixel(surface, 209, 199));
    EXPECT_GT(line, 0) << "the frame is not transparent";
    EXPECT_EQ(0, file);
    const Rect& marked = input.layout.cellRects[kFirstCell + 12];
    const Rect& memoFile = input.layout.cellRects[kFirstCell + 18];
    EXPECT_EQ(kMemo, SurfacePixel(surface, marked.left + 1, marked.top + 1));
    EXPECT_EQ(kBackground, SurfacePixel(surface, memoFile.left + 1, memoFile.top + 1));
    EXPECT_GT(memo, 0);

    ReleasePaintFonts(&fonts);
    DeleteObject(background);
    DestroySurface(&surface);
}

TEST_F(PaintFromInput, CellColoursComeFromTheFileOrTheirDefaults)
{
    CellColors colors = ReadCellColors("pelmo.ini");
    EXPECT_EQ(kDefaultMarkedColor, colors.marked);
    EXPECT_EQ(kDefaultTodayColor, colors.today);
    EXPECT_EQ(kDefaultMarkedTodayColor, colors.markedToday);
    EXPECT_FALSE(ReadTransparent("pelmo.ini"));

    const std::string ini = Path("pelmo.ini");
    WritePrivateProfileStringA("MARKED", "COLOR", std::to_string(kMemo).c_str(), ini.c_str());
    WritePrivateProfileStringA("TODAY", "COLOR", std::to_string(kToday).c_str(), ini.c_str());
    WritePrivateProfileStringA("MARKED", "TODAYCOLOR", std::to_string(kTodayMemo).c_str(), ini.c_str());
    WritePrivateProfileStringA("BGBRUSH", "TRANSPARENT", "2", ini.c_str());
    colors = ReadCellColors("pelmo.ini");
    EXPECT_EQ(kMemo, colors.marked);
    EXPECT_EQ(kToday, colors.today);
    EXPECT_EQ(kTodayMemo, colors.markedToday);
    EXPECT_TRUE(ReadTransparent("pelmo.ini"));
}

TEST(DesignFormats, AnsiFontTakesTheEnglishFormats)
{
    DesignRecord design = TestDesign();
    design.font.lfCharSet = ANSI_CHARSET;
    design.titleFormat = kTitleJapanese;
    design.weekdayFormat = 0;
    design.clockFlag = kClockShown;
    EXPECT_TRUE(AdjustFormatsForFont(&design));
    EXPECT_EQ(kTitleMonthName, design.titleFormat);
    EXPECT_EQ(1, design.weekdayFormat);
    EXPECT_EQ(0, design.clockFlag);
    EXPECT_FALSE(AdjustFormatsForFont(&design));

    // Formats the font can show are kept, and so is a Japanese font's.
    design.titleFormat = kTitleMonthAbbrev;
    design.clockFlag = kClockShown;
    EXPECT_FALSE(AdjustFormatsForFont(&design));
    EXPECT_EQ(kClockShown, design.clockFlag);
    DesignRecord japanese = TestDesign();
    japanese.titleFormat = kTitleJapanese;
    japanese.clockFlag = kClockShown;
    EXPECT_FALSE(AdjustFormatsForFont(&japanese));
    EXPECT_EQ(kTitleJapanese, japanese.titleFormat);
    EXPECT_EQ(kClockShown, japanese.clockFlag);
}

TEST(PaintFonts, KeptWhileTheirDescriptionStaysAndReleasedWhole)
{
    DesignRecord design = TestDesign();
    KeptFont kept = {};
    HFONT first = KeepCalendarFont(&kept, 20, design);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, KeepCalendarFont(&kept, 20, design));

    HFONT taller = KeepCalendarFont(&kept, 21, design);
    EXPECT_NE(first, taller);
    EXPECT_EQ(0u, GetObjectType(first)) << "the replaced font is deleted";
    design.font.lfWeight = FW_BOLD;
    HFONT bold = KeepCalendarFont(&kept, 21, design);
    EXPECT_NE(taller, bold);
    LOGFONTA made = {};
    GetObjectA(bold, sizeof made, &made);
    EXPECT_EQ(FW_BOLD, made.lfWeight);

    PaintFonts fonts = {kept, {}};
    ReleasePaintFonts(&fonts);
    EXPECT_EQ(0u, GetObjectType(bold));
    EXPECT_EQ(nullptr, fonts.text.font);
}

TEST(PaintFonts, HeightsFollowTheCellSizeAndHeaderFormat)
{
    struct Case {
        int width, height, format, offset, text, header;
    };
    const Case cases[] = {
        {196, 200, 3, 0, 20, 10},     {150, 400, 3, 0, 16, 2},  {196, 200, 2, 0, 20, 16},
        {150, 400, 2, 0, 16, 10},     {196, 200, 4, 0, 20, 18}, {150, 400, 4, 0, 16, 12},
        {196, 200, 5, 0, 20, 14},     {150, 400, 5, 0, 16, 4},  {196, 200, 1, 0, 20, 20},
        {196, 200, 7, -30, -10, -10}, {150, 400, 0, 4, 20, 20},
    };
    for (const Case& c : cases) {
        CalendarLayout layout = {};
        layout.clientRect = {0, 0, c.width, c.height};
        ComputeLayoutGeometry(&layout, 2012, 5);
        DesignRecord design = TestDesign();
        design.weekdayFormat = (uint16_t)c.format;
        design.sizeOffset = c.offset;
        EXPECT_EQ(c.text, CalendarTextHeight(layout, design)) << c.width << " " << c.format;
        EXPECT_EQ(c.header, WeekdayTextHeight(layout, design)) << c.width << " " << c.format;
    }
}

TEST(PaintFonts, CalendarAndMemoFontsCarryTheirMembers)
{
    DesignRecord design = TestDesign();
    design.font.lfHeight = 33;   // not a stored member: ignored
    design.font.lfUnderline = 1;
    design.font.lfItalic = 1;
    design.font.lfWeight = FW_BOLD;
    struct Case {
        int height;
        BYTE charset;
        LONG expected;
    };
    for (const Case& c :
         {Case{kStandardFontHeight, SHIFTJIS_CHARSET, 18}, Case{kStandardFontHeight, ANSI_CHARSET, 20},
          Case{0, ANSI_CHARSET, 0}, Case{-7, SHIFTJIS_CHARSET, -7}}) {
        design.font.lfCharSet = c.charset;
        HFONT font = CreateCalendarFont(c.height, design);
        ASSERT_NE(nullptr, font);
        LOGFONTA made = {};
        GetObjectA(font, sizeof made, &made);
        DeleteObject(font);
        EXPECT_EQ(c.expected, made.lfHeight);
        EXPECT_EQ(c.charset, made.lfCharSet);
        EXPECT_EQ(1, made.lfItalic);
        EXPECT_EQ(0, made.lfUnderline);
        EXPECT_EQ(FW_BOLD, made.lfWeight);
        EXPECT_EQ(PROOF_QUALITY, made.lfQuality);
        EXPECT_STREQ(kDefaultFaceName, made.lfFaceName);
    }

    HFONT memo = CreateMemoFont(24);
    ASSERT_NE(nullptr, memo);
    LOGFONTA made = {};
    GetObjectA(memo, sizeof made, &made);
    DeleteObject(memo);
    EXPECT_EQ(24, made.lfHeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, made.lfCharSet);
    EXPECT_EQ(0, made.lfItalic);
    EXPECT_STREQ("メイリオ", made.lfFaceName);
}

}   // namespace
