// The day tooltip's text for memos, holidays, observances and plain days,
// the header hints, and the tooltip switch, against real tooltip controls.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/dates.h"
#include "memo/tooltips.h"
#include "res/resource.h"
#include "shell/app.h"
#include "tests/win/test_support.h"

namespace {

struct Found {
    HWND owner;
    HWND day;
    HWND hints[2];
    int hintCount;
};

BOOL CALLBACK FindTooltips(HWND window, LPARAM param)
{
    Found* found = (Found*)param;
    char cls[32];
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != found->owner) {
        return TRUE;
    }
    if (GetWindowLongA(window, GWL_STYLE) & TTS_BALLOON) {
        found->day = window;
    } else if (found->hintCount < 2) {
        found->hints[found->hintCount++] = window;
    }
    return TRUE;
}

class Tooltips : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        SetAppInstance(GetModuleHandleA(nullptr));
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        CreateDirectoryA(Path("DATA").c_str(), nullptr);
        window_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 100, 100, 196, 200, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_TRUE(CreateTooltips(window_, {18, 18, 300}));
        ASSERT_TRUE(PrepareMemoBuffer());
        found_.owner = window_;
        EnumThreadWindows(GetCurrentThreadId(), FindTooltips, (LPARAM)&found_);
        ASSERT_NE(nullptr, found_.day);
        ASSERT_EQ(2, found_.hintCount);
    }

    void TearDown() override
    {
        ReleaseMemoBuffer();
        DestroyTooltipResources();
        DestroyWindow(window_);
        AppFolderTest::TearDown();
    }

    void WriteMemo(const char* dateLine, const char* text)
    {
        ASSERT_TRUE(WriteWholeFile(Path("DATA\\") + dateLine + ".dat", text));
    }

    // Arms the day tooltip for cell 3 with the date and returns its text.
    std::string DayTip(uint16_t year, uint16_t month, uint16_t day, int cell = 3)
    {
        GridDate date = MakeGridDate(year, month, day);
        char dateLine[kDateLineSize];
        FormatDateLine(date, dateLine, sizeof dateLine);
        ArmDayTooltip(cell, {0, 50, 28, 75}, dateLine, date);
        return ToolText(found_.day, (UINT)cell);
    }

    std::string ToolText(HWND tip, UINT id)
    {
        static char text[4096];
        text[0] = '\0';
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = window_;
        tool.uId = id;
        tool.lpszText = text;
        SendMessageA(tip, TTM_GETTEXTA, sizeof text, (LPARAM)&tool);
        return text;
    }

    HWND window_ = nullptr;
    Found found_ = {};
};

TEST_F(Tooltips, DayShowsItsMemoElseItsHolidayOrObservanceElseItsDate)
{
    WriteMemo("2012年06月04日(月)", "2012年06月04日(月)\r\n歯医者\r\n");
    EXPECT_EQ("2012年06月04日(月)\r\n歯医者\r\n", DayTip(2012, 6, 4));
    EXPECT_EQ("2012年01月01日(日)\n  元日", DayTip(2012, 1, 1));
    EXPECT_EQ("2026年12月22日(火)\n  冬至", DayTip(2026, 12, 22));
    EXPECT_EQ("2026年12月29日(火)", DayTip(2026, 12, 29));
    // Only one tool at a time: no earlier text can show under a reused id.
    EXPECT_EQ(1, SendMessageA(found_.day, TTM_GETTOOLCOUNT, 0, 0));
}

TEST_F(Tooltips, MemoIsReadAgainOnlyForAnotherCellOrDate)
{
    EXPECT_EQ("2026年12月29日(火)", DayTip(2026, 12, 29));
    WriteMemo("2026年12月29日(火)", "new memo");
    EXPECT_EQ("2026年12月29日(火)", DayTip(2026, 12, 29));   // resting in the cell
    EXPECT_EQ("2026年12月30日(水)", DayTip(2026, 12, 30));   // same cell, next month's date
    EXPECT_EQ("new memo", DayTip(2026, 12, 29));
    WriteMemo("2026年12月29日(火)", "changed");
    ForgetHover();
    EXPECT_EQ("changed", DayTip(2026, 12, 29));
}

TEST_F(Tooltips, HeaderHintsNameTheDoubleClickActions)
{
    CalendarLayout layout = {};
    layout.titleRect = {0, 0, 196, 25};
    for (int i = 0; i < kWeekdays; ++i) {
        layout.weekdayRects[i] = {i * 28, 25, i * 28 + 28, 50};
    }
    auto hintTip = [&](UINT id) {
        for (HWND tip : found_.hints) {
            if (!ToolText(tip, id).empty()) {
                return tip;
            }
        }
        return (HWND) nullptr;
    };

    UpdateHeaderHints({100, 10}, layout);
    HWND text = hintTip(100);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ("現在の年月を表示", ToolText(text, 100));
    UpdateHeaderHints({10, 30}, layout);
    EXPECT_EQ("1 年後を表示", ToolText(text, 104));
    EXPECT_EQ(1, SendMessageA(text, TTM_GETTOOLCOUNT, 0, 0));

    // The caption-like buttons go to the other tooltip, whose title carries
    // the hint beside the icon.
    UpdateHeaderHints({150, 30}, layout);
    HWND icon = hintTip(102);
    ASSERT_NE(nullptr, icon);
    EXPECT_NE(text, icon);
    EXPECT_EQ(" ", ToolText(icon, 102));
    UpdateHeaderHints({190, 30}, layout);
    EXPECT_EQ(icon, hintTip(101));
}

TEST_F(Tooltips, SwitchReplacesTheMenuEntryAndIgnoresOtherCommands)
{
    HMENU menu = CreatePopupMenu();
    for (UINT id : {IDM_EDIT_MEMO, 0, IDM_SETTINGS, 0, IDM_TOOLTIPS_OFF, IDM_HIDE}) {
        AppendMenuA(menu, id ? MF_STRING : MF_SEPARATOR, id, "x");
    }
    EXPECT_TRUE(TooltipsOn());
    EXPECT_FALSE(ToggleTooltips(menu, IDM_EDIT_MEMO));
    EXPECT_TRUE(TooltipsOn());

    char text[64];
    EXPECT_TRUE(ToggleTooltips(menu, IDM_TOOLTIPS_OFF));
    EXPECT_FALSE(TooltipsOn());
    EXPECT_EQ((UINT)IDM_TOOLTIPS_ON, GetMenuItemID(menu, 4));
    GetMenuStringA(menu, 4, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("ツールチップを表示する", text);

    EXPECT_TRUE(ToggleTooltips(menu, IDM_TOOLTIPS_ON));
    EXPECT_TRUE(TooltipsOn());
    EXPECT_EQ((UINT)IDM_TOOLTIPS_OFF, GetMenuItemID(menu, 4));
    EXPECT_EQ(6, GetMenuItemCount(menu));
    DestroyMenu(menu);
}

}  // namespace
