// The memo page of the settings sheet, made on its own from its template and
// driven through its controls and the sheet's notifications.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "dialogs/page_memo.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "tests/win/page_fixture.h"
#include "tests/win/test_support.h"

namespace {

std::string WindowText(HWND control)
{
    char text[128] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

class MemoPageTest : public PageTest {
protected:
    void Open(MemoDisplaySettings memo)
    {
        memo_ = memo;
        target_ = {nullptr, nullptr, &memo_, false};
        ASSERT_NO_FATAL_FAILURE(PageTest::Open(MemoPage));
    }
    bool Staged() const { return IsWindowEnabled(Item(IDC_MEMO_UPDATE)) != 0; }
    int Width(BOOL* refused = nullptr) const
    {
        return (int)SendMessageA(Item(IDC_MEMO_TIP_WIDTH_SPIN), UDM_GETPOS32, 0, (LPARAM)refused);
    }
    LONG SampleHeight(int id) const
    {
        LOGFONTA font = {};
        GetObjectA((HFONT)SendMessageA(Item(id), WM_GETFONT, 0, 0), sizeof font, &font);
        return font.lfHeight;
    }
    HBRUSH SampleBrush(int id) const
    {
        HDC dc = GetDC(Item(id));
        HBRUSH brush = (HBRUSH)SendMessageA(page_, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)Item(id));
        ReleaseDC(Item(id), dc);
        return brush;
    }
    COLORREF SampleColour(int id) const
    {
        LOGBRUSH brush = {};
        GetObjectA(SampleBrush(id), sizeof brush, &brush);
        return brush.lbColor;
    }
    int Marked(const char* key) const { return ReadSettingInt(kSettingsFile, "MARKED", key, -1); }

    MemoDisplaySettings memo_ = {};
};

BOOL CALLBACK CollectLabel(HWND child, LPARAM labels)
{
    if ((WORD)GetDlgCtrlID(child) == 0xFFFF) {
        *(std::string*)labels += WindowText(child) + "|";
    }
    return TRUE;
}

TEST_F(MemoPageTest, ShowsItsControlsWithTheSettingsInForceAndNothingStaged)
{
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "MARKED", "TODAYCOLOR", 0x123456));
    ASSERT_NO_FATAL_FAILURE(Open({20, 24, 450}));
    EXPECT_EQ("●メモ関連の設定", WindowText(page_));
    const struct {
        int id;
        const char* cls;
        const char* text;
    } controls[] = {{IDC_MEMO_TIP_WIDTH, "Edit", "450"},
                    {IDC_MEMO_TIP_WIDTH_SPIN, UPDOWN_CLASSA, ""},
                    {IDC_MEMO_EDITOR_BIGGER, "Button", "＋"},
                    {IDC_MEMO_EDITOR_SMALLER, "Button", "－"},
                    {IDC_MEMO_TIP_BIGGER, "Button", "＋"},
                    {IDC_MEMO_TIP_SMALLER, "Button", "－"},
                    {IDC_MEMO_EDITOR_SAMPLE, "Edit", "あいうabc ABC 123"},
                    {IDC_MEMO_TIP_SAMPLE, "Edit", "あいうabc ABC 456"},
                    {IDC_MEMO_TODAY_COLOR, "Button", "本日"},
                    {IDC_MEMO_TODAY_SAMPLE, "Static", ""},
                    {IDC_MEMO_OTHER_COLOR, "Button", "本日以外"},
                    {IDC_MEMO_OTHER_SAMPLE, "Static", ""},
                    {IDC_MEMO_UPDATE, "Button", "更 新"}};
    for (const auto& c : controls) {
        char cls[32] = "";
        GetClassNameA(Item(c.id), cls, sizeof cls);
        EXPECT_STRCASEEQ(c.cls, cls) << c.id;
        EXPECT_EQ(c.text, Text(c.id)) << c.id;
    }
    std::string labels;
    EnumChildWindows(page_, CollectLabel, (LPARAM)&labels);
    EXPECT_EQ(
        "ツールチップの最大幅|文字サイズの変更|テキストエディタ|ツールチップ|メモした日付の背景色|現在の選択色|",
        labels);
    // The box gives way to its arrows once, not twice: together they fill
    // the box's place in the template (188 to 227 dialog units).
    RECT place = {188, 38, 227, 52}, arrows;
    MapDialogRect(page_, &place);
    GetWindowRect(Item(IDC_MEMO_TIP_WIDTH_SPIN), &arrows);
    MapWindowPoints(nullptr, page_, (POINT*)&arrows, 2);
    EXPECT_NEAR(place.right, arrows.right, 2);
    EXPECT_EQ(24, SampleHeight(IDC_MEMO_EDITOR_SAMPLE));
    EXPECT_EQ(20, SampleHeight(IDC_MEMO_TIP_SAMPLE));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), SampleBrush(IDC_MEMO_EDITOR_SAMPLE));
    EXPECT_EQ(0x123456u, SampleColour(IDC_MEMO_TODAY_SAMPLE));
    EXPECT_EQ(0xFFFF00u, SampleColour(IDC_MEMO_OTHER_SAMPLE));
    EXPECT_FALSE(Staged());
}

TEST_F(MemoPageTest, UpArrowNarrowsTheTooltipAndStopsAtBothEnds)
{
    ASSERT_NO_FATAL_FAILURE(Open({18, 18, 300}));
    HWND arrows = Item(IDC_MEMO_TIP_WIDTH_SPIN);
    RECT r;
    GetClientRect(arrows, &r);
    auto click = [&](bool up) {
        LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
        SendMessageA(arrows, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(arrows, WM_LBUTTONUP, 0, at);
    };
    click(true);
    EXPECT_EQ("299", Text(IDC_MEMO_TIP_WIDTH));
    EXPECT_TRUE(Staged());
    SendMessageA(arrows, UDM_SETPOS32, 0, 100);
    click(true);
    EXPECT_EQ(100, Width());
    SendMessageA(arrows, UDM_SETPOS32, 0, 1000);
    click(false);
    EXPECT_EQ(1000, Width());
}

TEST_F(MemoPageTest, TypedWidthsAreBroughtIntoRange)
{
    ASSERT_NO_FATAL_FAILURE(Open({18, 18, 300}));
    const struct {
        const char* typed;
        int kept;
    } cases[] = {{"640", 640}, {"5000", 1000}, {"", 1000},
                 {"50", 100},  {"0", 100},     {"99999999999999999999", 1000}};
    for (const auto& c : cases) {
        SetDlgItemTextA(page_, IDC_MEMO_TIP_WIDTH, c.typed);
        Click(IDC_MEMO_UPDATE);
        EXPECT_EQ(c.kept, memo_.tooltipWidth) << c.typed;
        BOOL refused = TRUE;
        EXPECT_EQ(c.kept, Width(&refused));
        EXPECT_FALSE(refused) << "the box shows what was kept";
        EXPECT_FALSE(Staged());
    }
    // Leaving the box settles it too; OK then applies what it shows.
    SetDlgItemTextA(page_, IDC_MEMO_TIP_WIDTH, "12345");
    SendMessageA(page_, WM_COMMAND, MAKEWPARAM(IDC_MEMO_TIP_WIDTH, EN_KILLFOCUS),
                 (LPARAM)Item(IDC_MEMO_TIP_WIDTH));
    EXPECT_EQ(1000, Width());
    EXPECT_EQ(PSNRET_NOERROR, Notify(PSN_APPLY));
    EXPECT_EQ(1000, memo_.tooltipWidth);
}

TEST_F(MemoPageTest, DamagedStoredValuesOpenSoundAndOkPutsThemInForce)
{
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "MARKED", "COLOR", -1));
    ASSERT_NO_FATAL_FAILURE(Open({INT32_MAX, -7, 5000}));
    UpdateWindow(page_);
    EXPECT_EQ(18, SampleHeight(IDC_MEMO_EDITOR_SAMPLE));
    EXPECT_EQ(1000, Width());
    EXPECT_EQ(0xFFFFFFu, SampleColour(IDC_MEMO_OTHER_SAMPLE));
    EXPECT_TRUE(Staged()) << "what the page shows is not yet in force";
    Click(IDC_MEMO_TIP_BIGGER);
    Notify(PSN_APPLY);
    EXPECT_EQ(INT32_MAX, memo_.tooltipFontHeight) << "the largest height does not wrap";
    EXPECT_EQ(18, memo_.editorFontHeight);
    EXPECT_EQ(1000, memo_.tooltipWidth);
    EXPECT_EQ(0xFFFFFF, Marked("COLOR"));
}

TEST_F(MemoPageTest, ChosenColourIsWrittenAtUpdateAndOutlivesCancel)
{
    ASSERT_NO_FATAL_FAILURE(Open({18, 18, 300}));
    dialogs_.chooseColour = false;
    Click(IDC_MEMO_OTHER_COLOR);
    EXPECT_FALSE(Staged()) << "a cancelled colour dialog changes nothing";
    dialogs_.chooseColour = true;
    dialogs_.colourAnswer = 0x0A0B0C;
    Click(IDC_MEMO_OTHER_COLOR);
    EXPECT_EQ(0xFFFF00u, dialogs_.colourOffered);
    EXPECT_EQ(0x0A0B0Cu, SampleColour(IDC_MEMO_OTHER_SAMPLE));
    EXPECT_EQ(-1, Marked("COLOR")) << "staged until updated";
    Click(IDC_MEMO_EDITOR_BIGGER);
    Click(IDC_MEMO_UPDATE);
    EXPECT_EQ(0x0A0B0C, Marked("COLOR"));
    EXPECT_EQ(0x64B4FF, Marked("TODAYCOLOR"));

    Click(IDC_MEMO_EDITOR_BIGGER);
    HGDIOBJ sample = (HGDIOBJ)SendMessageA(Item(IDC_MEMO_EDITOR_SAMPLE), WM_GETFONT, 0, 0);
    EXPECT_EQ(FALSE, Notify(PSN_QUERYCANCEL));
    EXPECT_EQ(19, memo_.editorFontHeight) << "what was updated stays, what was staged is dropped";
    EXPECT_EQ(0x0A0B0C, Marked("COLOR"));
    EXPECT_EQ(0u, GetObjectType(sample)) << "the sample font is freed";
    EXPECT_FALSE(Staged());
}

TEST_F(MemoPageTest, OkPutsTheSizesInForceWithoutWritingTheFile)
{
    ASSERT_NO_FATAL_FAILURE(Open({18, 1, 300}));
    Click(IDC_MEMO_EDITOR_SMALLER);
    EXPECT_FALSE(Staged()) << "no smaller than a pixel";
    Click(IDC_MEMO_EDITOR_BIGGER);
    Click(IDC_MEMO_TIP_SMALLER);
    SendMessageA(Item(IDC_MEMO_TIP_WIDTH), WM_KEYDOWN, VK_UP, 1);
    HBRUSH brush = SampleBrush(IDC_MEMO_TODAY_SAMPLE);
    EXPECT_EQ(PSNRET_NOERROR, Notify(PSN_APPLY));
    EXPECT_EQ(17, memo_.tooltipFontHeight);
    EXPECT_EQ(2, memo_.editorFontHeight);
    EXPECT_EQ(299, memo_.tooltipWidth);
    EXPECT_FALSE(PathExists(Path(kSettingsFile)));
    EXPECT_EQ(0u, GetObjectType(brush)) << "the sample brush is freed";
    EXPECT_FALSE(Staged());
}

}   // namespace
