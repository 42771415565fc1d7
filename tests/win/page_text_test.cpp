// The settings sheet's text page, driven as a standalone page for most
// cases and once inside the real sheet: what it shows, what it stages, what
// "更 新", OK and Cancel put into the design, and what it draws.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <vector>

#include "dialogs/settings_sheet.h"
#include "dialogs/page_text.h"
#include "res/resource.h"
#include "tests/win/page_fixture.h"
#include "tests/win/test_support.h"

namespace {

// A picture's size and pixels, empty for no picture.
std::vector<BYTE> PictureBits(HBITMAP picture, SIZE* size = nullptr)
{
    BITMAP info = {};
    if (!picture || !GetObjectA(picture, sizeof info, &info)) {
        return {};
    }
    std::vector<BYTE> bits((size_t)info.bmWidthBytes * info.bmHeight);
    GetBitmapBits(picture, (LONG)bits.size(), bits.data());
    if (size) {
        *size = {info.bmWidth, info.bmHeight};
    }
    return bits;
}

std::vector<BYTE> ResourceBits(int id, SIZE* size = nullptr)
{
    HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    std::vector<BYTE> bits = PictureBits(picture, size);
    DeleteObject(picture);
    return bits;
}

class TextPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        design_ = {};
        design_.clockFlag = 1;
        design_.partition = 1;
        design_.font.lfCharSet = SHIFTJIS_CHARSET;
        design_.saturdayColor = 0xFF0000;
        design_.otherMonthColor = 0x808080;
        brush_ = CreateSolidBrush(kBackground);
        target_ = {&brush_, &design_, nullptr, false};
        dialogs_.chooseColour = true;
        dialogs_.colourAnswer = 0x123456;
    }

    void TearDown() override
    {
        PageTest::TearDown();
        DeleteObject(brush_);
    }

    void Open() { ASSERT_NO_FATAL_FAILURE(PageTest::Open(TextPage)); }

    HBITMAP Preview() const
    {
        return (HBITMAP)SendMessageA(Item(IDC_TEXT_PARTITION_PREVIEW), STM_GETIMAGE, IMAGE_BITMAP, 0);
    }
    // Exactly one of first to last is checked, the given one.
    void ExpectChecked(int first, int last, int checked) const
    {
        for (int id = first; id <= last; ++id) {
            EXPECT_EQ(id == checked, Checked(id)) << id;
        }
    }

    static constexpr COLORREF kBackground = RGB(0, 64, 255);
    HBRUSH brush_ = nullptr;
    DesignRecord design_;
};

TEST_F(TextPageTest, ShowsItsControlsAndTheDesignsChoicesAndCopesWithDamagedOnes)
{
    design_.titleFormat = 2;
    design_.weekdayFormat = 3;
    design_.partition = 2;
    Open();
    const std::pair<int, const char*> texts[] = {
        {IDC_TEXT_TITLE_COLOUR, "年・月"},
        {IDC_TEXT_WEEKDAY_COLOUR, "平日"},
        {IDC_TEXT_SATURDAY_COLOUR, "土曜日"},
        {IDC_TEXT_SUNDAY_COLOUR, "日曜日"},
        {IDC_TEXT_HOLIDAY_COLOUR, "祝日"},
        {IDC_TEXT_OTHER_COLOUR, "前後月"},
        {IDC_TEXT_TITLE_JAPANESE, "2012 年 06 月"},
        {IDC_TEXT_TITLE_MONTHNAME, "June 2012"},
        {IDC_TEXT_TITLE_ABBREV, "Jun. 2012"},
        {IDC_TEXT_TITLE_NUMERIC, "2012 / 06"},
        {IDC_TEXT_CLOCK, "時計を付ける"},
        {IDC_TEXT_WEEKDAY_JAPANESE, "日 月 火 ・・・"},
        {IDC_TEXT_WEEKDAY_LETTER, "S  M  T ・・・"},
        {IDC_TEXT_WEEKDAY_UPPER2, "SU  MO  TU ・・・"},
        {IDC_TEXT_WEEKDAY_UPPER3, "SUN  MON  TUE ・・・"},
        {IDC_TEXT_WEEKDAY_MIXED2, "Su  Mo  Tu ・・・"},
        {IDC_TEXT_WEEKDAY_MIXED3, "Sun  Mon  Tue ・・・"},
        {IDC_TEXT_PARTITION_NONE, "なし"},
        {IDC_TEXT_PARTITION_ALL, "すべて"},
        {IDC_TEXT_PARTITION_TWO, "2本のみ"},
        {IDC_TEXT_UPDATE, "更 新"},
        {IDC_TEXT_TITLE_SAMPLE, "abc ABC\n12345"},
        {IDC_TEXT_OTHER_SAMPLE, "abc ABC\n12345"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(t.second, Text(t.first)) << t.first;
    }
    // Automatic radio groups, each started by its first button.
    for (int id : {IDC_TEXT_TITLE_JAPANESE, IDC_TEXT_WEEKDAY_JAPANESE, IDC_TEXT_PARTITION_NONE}) {
        EXPECT_EQ(WS_GROUP | BS_AUTORADIOBUTTON,
                  GetWindowLongA(Item(id), GWL_STYLE) & (WS_GROUP | BS_TYPEMASK));
    }
    RECT preview;
    GetClientRect(Item(IDC_TEXT_PARTITION_PREVIEW), &preview);
    EXPECT_EQ(55, preview.right);
    EXPECT_EQ(55, preview.bottom);
    EXPECT_FALSE(Enabled(IDC_TEXT_UPDATE));
    ExpectChecked(IDC_TEXT_TITLE_JAPANESE, IDC_TEXT_TITLE_NUMERIC, IDC_TEXT_TITLE_ABBREV);
    ExpectChecked(IDC_TEXT_WEEKDAY_JAPANESE, IDC_TEXT_WEEKDAY_MIXED3, IDC_TEXT_WEEKDAY_UPPER3);
    ExpectChecked(IDC_TEXT_PARTITION_NONE, IDC_TEXT_PARTITION_TWO, IDC_TEXT_PARTITION_TWO);
    EXPECT_TRUE(Checked(IDC_TEXT_CLOCK) && Enabled(IDC_TEXT_CLOCK));
    Close(PSN_QUERYCANCEL);

    // A damaged file: the choices the calendar draws for such values, no
    // stray check in a neighbouring group, and nothing written unasked.
    design_.titleFormat = 9;
    design_.weekdayFormat = 77;
    design_.partition = -4;
    design_.clockFlag = 5;
    const DesignRecord stored = design_;
    Open();
    ExpectChecked(IDC_TEXT_TITLE_JAPANESE, IDC_TEXT_CLOCK, IDC_TEXT_TITLE_JAPANESE);
    ExpectChecked(IDC_TEXT_WEEKDAY_JAPANESE, IDC_TEXT_WEEKDAY_MIXED3, IDC_TEXT_WEEKDAY_JAPANESE);
    ExpectChecked(IDC_TEXT_PARTITION_NONE, IDC_TEXT_PARTITION_TWO, IDC_TEXT_PARTITION_ALL);
    EXPECT_EQ(ResourceBits(IDB_PARTITION_ALL), PictureBits(Preview()));
    Close(PSN_APPLY);
    EXPECT_EQ(0, memcmp(&stored, &design_, sizeof stored));
    Open();
    Click(IDC_TEXT_CLOCK);
    Close(PSN_APPLY);
    EXPECT_EQ(0, design_.titleFormat);
    EXPECT_EQ(0, design_.weekdayFormat);
    EXPECT_EQ(1, design_.partition);
    EXPECT_EQ(1, design_.clockFlag);
}

TEST_F(TextPageTest, ChosenColourIsStagedUntilUpdateAndOutlivesCancel)
{
    Open();
    dialogs_.chooseColour = false;
    Click(IDC_TEXT_SATURDAY_COLOUR);
    EXPECT_EQ(1, dialogs_.colourCalls);
    EXPECT_EQ(page_, dialogs_.colourOwner);
    EXPECT_EQ(0xFF0000u, dialogs_.colourOffered);
    EXPECT_FALSE(Enabled(IDC_TEXT_UPDATE)) << "a cancelled colour dialog changes nothing";

    dialogs_.chooseColour = true;
    Click(IDC_TEXT_SATURDAY_COLOUR);
    EXPECT_TRUE(Enabled(IDC_TEXT_UPDATE));
    EXPECT_EQ(0xFF0000u, design_.saturdayColor);
    Click(IDC_TEXT_UPDATE);
    EXPECT_FALSE(Enabled(IDC_TEXT_UPDATE));
    EXPECT_EQ(0x123456u, design_.saturdayColor);

    // The dialog opens on the staged colour; a later edit is dropped.
    dialogs_.colourAnswer = 0x654321;
    Click(IDC_TEXT_SATURDAY_COLOUR);
    EXPECT_EQ(0x123456u, dialogs_.colourOffered);
    Click(IDC_TEXT_OTHER_COLOUR);
    Close(PSN_QUERYCANCEL);
    EXPECT_EQ(0x123456u, design_.saturdayColor);
    EXPECT_EQ(0x808080u, design_.otherMonthColor);

    // OK applies what is staged without "更 新".
    Open();
    Click(IDC_TEXT_OTHER_COLOUR);
    Close(PSN_APPLY);
    EXPECT_EQ(0x654321u, design_.otherMonthColor);
}

TEST_F(TextPageTest, FormatRadiosAndClockAreStagedAndAppliedWithOk)
{
    Open();
    Click(IDC_TEXT_TITLE_JAPANESE);
    Click(IDC_TEXT_WEEKDAY_JAPANESE);
    Click(IDC_TEXT_PARTITION_ALL);
    EXPECT_FALSE(Enabled(IDC_TEXT_UPDATE)) << "the choice in force changes nothing";

    // "June 2012" has no room for the clock; the others give it back as it was.
    Click(IDC_TEXT_TITLE_MONTHNAME);
    EXPECT_FALSE(Enabled(IDC_TEXT_CLOCK));
    EXPECT_TRUE(Enabled(IDC_TEXT_UPDATE));
    Click(IDC_TEXT_TITLE_ABBREV);
    EXPECT_TRUE(Checked(IDC_TEXT_CLOCK) && Enabled(IDC_TEXT_CLOCK));
    Click(IDC_TEXT_TITLE_MONTHNAME);
    Click(IDC_TEXT_WEEKDAY_MIXED3);
    EXPECT_EQ(0, design_.titleFormat) << "staged only";
    Close(PSN_APPLY);
    EXPECT_EQ(1, design_.titleFormat);
    EXPECT_EQ(0, design_.clockFlag);
    EXPECT_EQ(5, design_.weekdayFormat);

    Open();
    Click(IDC_TEXT_TITLE_NUMERIC);
    Click(IDC_TEXT_CLOCK);
    Close(PSN_QUERYCANCEL);
    EXPECT_EQ(1, design_.titleFormat);
    EXPECT_EQ(0, design_.clockFlag);
}

TEST_F(TextPageTest, FontWithoutJapaneseMovesFormatsIntoTheDesignAtOnce)
{
    design_.font.lfCharSet = ANSI_CHARSET;
    Open();
    EXPECT_EQ(1, design_.titleFormat);
    EXPECT_EQ(1, design_.weekdayFormat);
    EXPECT_EQ(0, design_.clockFlag);
    EXPECT_FALSE(Enabled(IDC_TEXT_TITLE_JAPANESE) || Enabled(IDC_TEXT_WEEKDAY_JAPANESE));
    ExpectChecked(IDC_TEXT_TITLE_JAPANESE, IDC_TEXT_CLOCK, IDC_TEXT_TITLE_MONTHNAME);
    ExpectChecked(IDC_TEXT_WEEKDAY_JAPANESE, IDC_TEXT_WEEKDAY_MIXED3, IDC_TEXT_WEEKDAY_LETTER);
    EXPECT_FALSE(Enabled(IDC_TEXT_CLOCK));
    EXPECT_FALSE(Enabled(IDC_TEXT_UPDATE)) << "done without 更 新";
    Close(PSN_QUERYCANCEL);
    EXPECT_EQ(1, design_.titleFormat) << "and kept after Cancel";

    // The font page applies an English font while a Japanese title is
    // staged here: entering the page again moves both.
    design_.font.lfCharSet = SHIFTJIS_CHARSET;
    design_.titleFormat = 2;
    design_.weekdayFormat = 0;
    design_.clockFlag = 1;
    Open();
    Click(IDC_TEXT_TITLE_JAPANESE);
    design_.font.lfCharSet = ANSI_CHARSET;
    Notify(PSN_SETACTIVE);
    EXPECT_EQ(1, design_.weekdayFormat);
    EXPECT_TRUE(Checked(IDC_TEXT_TITLE_MONTHNAME));
    Close(PSN_APPLY);
    EXPECT_EQ(1, design_.titleFormat);
    EXPECT_EQ(0, design_.clockFlag);

    // Damaged formats are drawn as the Japanese ones and are moved alike.
    design_.titleFormat = 40;
    design_.weekdayFormat = 9;
    Open();
    EXPECT_EQ(1, design_.titleFormat);
    EXPECT_EQ(1, design_.weekdayFormat);
}

TEST_F(TextPageTest, PreviewFollowsThePartitionAndReplacedPicturesAreDeleted)
{
    SIZE size = {};
    const std::vector<BYTE> pictures[] = {ResourceBits(IDB_PARTITION_NONE, &size),
                                          ResourceBits(IDB_PARTITION_ALL), ResourceBits(IDB_PARTITION_TWO)};
    EXPECT_EQ(55, size.cx);
    EXPECT_EQ(55, size.cy);
    EXPECT_TRUE(pictures[0] != pictures[1] && pictures[1] != pictures[2] && pictures[0] != pictures[2]);

    design_.partition = 0;
    Open();
    EXPECT_EQ(pictures[0], PictureBits(Preview()));
    for (int partition : {1, 2, 0}) {
        HBITMAP shown = Preview();
        Click(IDC_TEXT_PARTITION_NONE + partition);
        EXPECT_EQ(pictures[partition], PictureBits(Preview())) << partition;
        EXPECT_EQ(0u, GetObjectType(shown)) << partition;
    }
    Click(IDC_TEXT_PARTITION_TWO);
    Click(IDC_TEXT_UPDATE);
    EXPECT_EQ(2, design_.partition);
    HBITMAP last = Preview();
    Close(PSN_QUERYCANCEL);
    EXPECT_EQ(0u, GetObjectType(last));
}

// Counts the pixels of each colour in the sample as it paints itself.
void CountSamplePixels(HWND sample, COLORREF background, COLORREF text, int* onBackground, int* inText)
{
    RECT r;
    GetClientRect(sample, &r);
    Surface surface;
    ASSERT_TRUE(CreateSurface(&surface, r.right, r.bottom));
    SendMessageA(sample, WM_PRINTCLIENT, (WPARAM)surface.dc, PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    *onBackground = *inText = 0;
    for (int y = 0; y < r.bottom; ++y) {
        for (int x = 0; x < r.right; ++x) {
            *onBackground += SurfacePixel(surface, x, y) == background;
            *inText += SurfacePixel(surface, x, y) == text;
        }
    }
    DestroySurface(&surface);
}

TEST_F(TextPageTest, SamplesDrawTheirColourInTheDesignFontOnTheCalendarBrush)
{
    Open();
    const COLORREF chosen = RGB(255, 200, 0);
    dialogs_.colourAnswer = chosen;
    Click(IDC_TEXT_SUNDAY_COLOUR);
    HWND sample = Item(IDC_TEXT_SUNDAY_SAMPLE);
    LOGFONTA font = {};
    GetObjectA((HFONT)SendMessageA(sample, WM_GETFONT, 0, 0), sizeof font, &font);
    EXPECT_EQ(18, font.lfHeight);
    int onBackground = 0, inText = 0;
    CountSamplePixels(sample, kBackground, chosen, &onBackground, &inText);
    EXPECT_GT(onBackground, 300);
    EXPECT_GT(inText, 0);

    // The background page applies a new brush into the slot, and the font
    // page a font without Japanese, shown larger.
    DeleteObject(brush_);
    brush_ = CreateSolidBrush(RGB(0, 128, 64));
    design_.font.lfCharSet = ANSI_CHARSET;
    Notify(PSN_SETACTIVE);
    CountSamplePixels(sample, RGB(0, 128, 64), chosen, &onBackground, &inText);
    EXPECT_GT(onBackground, 300);
    EXPECT_GT(inText, 0);
    GetObjectA((HFONT)SendMessageA(sample, WM_GETFONT, 0, 0), sizeof font, &font);
    EXPECT_EQ(20, font.lfHeight);
}

// Inside the real sheet: the page chosen by its tab, edited, closed with OK.
void VisitTextPage(HWND sheet, DialogWatch* watch)
{
    SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    HWND page = (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    *(HBITMAP*)watch->context = (HBITMAP)SendDlgItemMessageA(page, IDC_TEXT_PARTITION_PREVIEW, STM_GETIMAGE,
                                                             IMAGE_BITMAP, 0);
    SendDlgItemMessageA(page, IDC_TEXT_WEEKDAY_COLOUR, BM_CLICK, 0, 0);
    SendDlgItemMessageA(page, IDC_TEXT_PARTITION_TWO, BM_CLICK, 0, 0);
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    // The sheet's loop looks at its end only once a message arrives.
    PostMessageA(sheet, WM_NULL, 0, 0);
}

TEST_F(TextPageTest, InsideTheSheetOkAppliesTheStagedEdits)
{
    MemoDisplaySettings memo = {18, 18, 300};
    target_.memo = &memo;
    HBITMAP preview = nullptr;
    DialogWatch watch = {};
    watch.act = VisitTextPage;
    watch.context = &preview;
    HANDLE watcher = StartDialogWatch(&watch);
    EXPECT_TRUE(RunSettingsSheet(window_, &target_));
    EndDialogWatch(watcher, &watch);
    EXPECT_EQ(0x123456u, design_.weekdayColor);
    EXPECT_EQ(2, design_.partition);
    EXPECT_NE(nullptr, preview);
    EXPECT_EQ(0u, GetObjectType(preview)) << "released when the sheet closed";
}

}   // namespace
