// The day tooltip's text for memos, holidays, observances and plain days,
// the header hints, and the tooltip switch, against real tooltip controls
// watching a stand-in for the calendar window.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/dates.h"
#include "core/holiday_file.h"
#include "memo/memo_dialog.h"
#include "memo/memo_save.h"
#include "memo/memo_store.h"
#include "tooltips/day_tooltip.h"
#include "tooltips/header_hints.h"
#include "tooltips/tooltips.h"
#include "res/resource.h"
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

std::vector<std::string> g_messages;

int WINAPI RecordMessage(HWND, LPCSTR text, LPCSTR, UINT)
{
    g_messages.push_back(text ? text : "");
    return IDOK;
}

// The stand-in calendar: December 2026 in a 196 by 200 client area, its
// pointer moves handled as the calendar window handles them.
const int kStandInWidth = 196;
const int kStandInHeight = 200;
const char kStandInClass[] = "TooltipsStandIn";
CalendarLayout g_layout;
int g_moves;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_MOUSEMOVE) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    ++g_moves;
    Point pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    int cell = HitTestCell(g_layout, pt);
    if (cell != kNoCell) {
        char dateLine[kDateLineSize];
        FormatDateLine(g_layout.dates.cells[cell], dateLine, sizeof dateLine);
        ArmDayTooltip(cell, g_layout.cellRects[cell], dateLine, g_layout.dates.cells[cell], pt, nullptr);
    } else {
        ForgetHover();
        UpdateHeaderHints(pt, g_layout);
    }
    return 0;
}

Point Centre(Rect r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A tooltip control that will not let go of its tools.
WNDPROC g_tooltipProc;

LRESULT CALLBACK KeepToolsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TTM_DELTOOLA || message == TTM_DELTOOLW) {
        return 0;
    }
    return CallWindowProcA(g_tooltipProc, window, message, wParam, lParam);
}

// The text the day tooltip is handed: the control turns it into wide
// characters itself, reading as far as the text seems to go.
std::string g_handed;

LRESULT CALLBACK RecordToolText(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TTM_ADDTOOLA) {
        g_handed = ((const TOOLINFOA*)lParam)->lpszText;
    }
    return CallWindowProcA(g_tooltipProc, window, message, wParam, lParam);
}

// What the memo editor showed; the user then replaces its first character
// by "x" and presses OK.
std::string g_shown;

void ReplaceFirstCharacter(HWND dialog, DialogWatch*)
{
    HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
    std::string text(GetWindowTextLengthA(edit) + 1, '\0');
    text.resize(GetWindowTextA(edit, &text[0], (int)text.size()));
    g_shown = text;
    SendMessageA(edit, EM_SETSEL, 0, 1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM) "x");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

class Tooltips : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        g_messages.clear();
        standIns_.Put(&SystemCalls::messageBox, RecordMessage);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        CreateDirectoryA(Path("DATA").c_str(), nullptr);

        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA cls = {};
        cls.lpfnWndProc = StandInProc;
        cls.hInstance = instance;
        cls.lpszClassName = kStandInClass;
        RegisterClassA(&cls);
        g_layout = {};
        g_layout.clientRect = {0, 0, kStandInWidth, kStandInHeight};
        ASSERT_TRUE(ComputeLayoutGeometry(&g_layout, 2026, 12));
        window_ = CreateWindowExA(WS_EX_TOPMOST, kStandInClass, "", WS_POPUP, 100, 100, kStandInWidth,
                                  kStandInHeight, nullptr, nullptr, instance, nullptr);
        ASSERT_NE(nullptr, window_);
        ASSERT_TRUE(CreateTooltips(window_, instance, {18, 18, 300}));
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

    std::string MemoPath(const char* dateLine) { return Path("DATA\\") + dateLine + ".dat"; }

    void WriteMemo(const char* dateLine, const char* text)
    {
        ASSERT_TRUE(WriteWholeFile(MemoPath(dateLine), text));
    }

    // Arms the day tooltip for cell 3 with the date and returns its text.
    std::string DayTip(uint16_t year, uint16_t month, uint16_t day, int cell = 3,
                       const HolidayTable* holidays = nullptr)
    {
        GridDate date = MakeGridDate(year, month, day);
        char dateLine[kDateLineSize];
        FormatDateLine(date, dateLine, sizeof dateLine);
        ArmDayTooltip(cell, {0, 50, 28, 75}, dateLine, date, {14, 60}, holidays);
        return ToolText(found_.day, (UINT)cell);
    }

    // Asked in UTF-16: the ANSI question gives no more than 80 bytes.
    std::string ToolText(HWND tip, UINT id)
    {
        static wchar_t text[4096];
        text[0] = L'\0';
        TOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = window_;
        tool.uId = id;
        tool.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, sizeof text / sizeof text[0], (LPARAM)&tool);
        static char ansi[sizeof text];
        WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
        return ansi;
    }

    // Runs the thread's messages for up to limitMs or until tip shows. The
    // pointer moves that the system makes of SetCursorPos are dropped: the
    // stand-in sees only the moves a test sends it.
    bool ShowsWithin(HWND tip, DWORD limitMs)
    {
        DWORD start = GetTickCount();
        do {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message != WM_MOUSEMOVE) {
                    DispatchMessageA(&msg);
                }
            }
            if (tip && IsWindowVisible(tip)) {
                return true;
            }
            Sleep(10);
        } while (GetTickCount() - start < limitMs);
        return false;
    }

    // Puts the real pointer at pt, which the tooltip checks when its delay
    // ends, and sends the stand-in exactly one move there.
    void MoveOnceTo(Point pt)
    {
        POINT screen = {pt.x, pt.y};
        ClientToScreen(window_, &screen);
        SetCursorPos(screen.x, screen.y);
        ShowsWithin(nullptr, 50);
        g_moves = 0;
        SendMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
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

// The longest name a holiday file may give, with the start of the equinox
// week joined to it, shows whole; the file's years follow the file alone.
TEST_F(Tooltips, DayShowsTheHolidayFilesNameWhole)
{
    std::string name;
    for (int i = 0; i < 32; ++i) {
        name += "祝";
    }
    const std::string file = "国民の祝日・休日月日,国民の祝日・休日名称\r\n2026/9/20," + name +
                             "\r\n2026/9/23,秋分の日\r\n";
    HolidayTable table = {};
    ASSERT_EQ(HolidayFileProblem::None, ParseHolidayFile(file.data(), file.size(), &table).problem);
    EXPECT_EQ("2026年09月20日(日)\n  " + name + "  彼岸入り", DayTip(2026, 9, 20, 3, &table));
    EXPECT_EQ("2026年01月12日(月)", DayTip(2026, 1, 12, 3, &table));
    EXPECT_EQ("2026年01月12日(月)\n  成人の日", DayTip(2026, 1, 12, 4));
    EXPECT_EQ("2027年01月11日(月)\n  成人の日", DayTip(2027, 1, 11, 3, &table));
}

TEST_F(Tooltips, MemoIsReadAgainOnlyForAnotherCellOrDate)
{
    EXPECT_EQ("2026年12月29日(火)", DayTip(2026, 12, 29));
    WriteMemo("2026年12月29日(火)", "new memo");
    EXPECT_EQ("2026年12月29日(火)", DayTip(2026, 12, 29));   // resting in the cell
    EXPECT_EQ("2026年12月30日(水)", DayTip(2026, 12, 30));   // same cell, next month's date
    EXPECT_EQ("new memo", DayTip(2026, 12, 29));
    WriteMemo("2026年12月29日(火)", "changed");
    InvalidateDayTooltip();
    EXPECT_EQ("changed", DayTip(2026, 12, 29));
    WriteMemo("2026年12月29日(火)", "again");
    ForgetHover();
    EXPECT_EQ("again", DayTip(2026, 12, 29));
}

TEST_F(Tooltips, UnreadableMemoIsAnnouncedOnceWhileThePointerStaysInItsCell)
{
    const char* const dateLine = "2026年12月29日(火)";
    ASSERT_TRUE(CreateDirectoryA(MemoPath(dateLine).c_str(), nullptr));
    EXPECT_EQ(dateLine, DayTip(2026, 12, 29));
    ASSERT_EQ(1u, g_messages.size());
    EXPECT_EQ(kMemoOpenFailedText, g_messages[0]);
    EXPECT_EQ(dateLine, DayTip(2026, 12, 29));
    EXPECT_EQ(1u, g_messages.size());

    // Each refresh reads the memo again, silently while it still fails.
    InvalidateDayTooltip();
    EXPECT_EQ(dateLine, DayTip(2026, 12, 29));
    EXPECT_EQ(1u, g_messages.size());
    RemoveDirectoryA(MemoPath(dateLine).c_str());
    WriteMemo(dateLine, "readable");
    InvalidateDayTooltip();
    EXPECT_EQ("readable", DayTip(2026, 12, 29));
    WriteMemo(dateLine, std::string(kMemoMaxFileBytes + 1, 'a').c_str());
    InvalidateDayTooltip();
    EXPECT_EQ(dateLine, DayTip(2026, 12, 29));
    EXPECT_EQ(1u, g_messages.size());

    // Leaving the cell, for no cell or another one, ends the stay.
    ForgetHover();
    DayTip(2026, 12, 29);
    ASSERT_EQ(2u, g_messages.size());
    EXPECT_EQ(kMemoTooLargeText, g_messages[1]);
    DayTip(2026, 12, 28, 2);
    DayTip(2026, 12, 29);
    EXPECT_EQ(3u, g_messages.size());
    // So does another month's date under the pointer after a refresh.
    ASSERT_TRUE(CreateDirectoryA(MemoPath("2027年01月26日(火)").c_str(), nullptr));
    InvalidateDayTooltip();
    DayTip(2027, 1, 26);
    EXPECT_EQ(4u, g_messages.size());
}

// The tooltip watches the stand-in's moves itself and starts its delay on
// entering a tool; the tool of a cell is only made while that very move is
// handled. One move, then rest: the tooltip still shows.
TEST_F(Tooltips, OneMoveThenRestShowsTheDayTipAndTheHints)
{
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    SetTooltipsActive(true);

    MoveOnceTo(Centre(g_layout.cellRects[10]));
    EXPECT_TRUE(ShowsWithin(found_.day, 2000));
    EXPECT_EQ("2026年12月09日(水)", ToolText(found_.day, 10));

    MoveOnceTo(Centre(g_layout.cellRects[11]));
    EXPECT_TRUE(ShowsWithin(found_.day, 2000));
    EXPECT_EQ("2026年12月10日(木)", ToolText(found_.day, 11));

    MoveOnceTo(Centre(g_layout.titleRect));
    HWND text = found_.hints[ToolText(found_.hints[0], 100).empty() ? 1 : 0];
    EXPECT_TRUE(ShowsWithin(text, 2000));
    EXPECT_FALSE(IsWindowVisible(found_.day));

    MoveOnceTo(Centre(g_layout.weekdayRects[6]));
    HWND icon = text == found_.hints[0] ? found_.hints[1] : found_.hints[0];
    EXPECT_TRUE(ShowsWithin(icon, 2000));
    EXPECT_FALSE(IsWindowVisible(text));
    EXPECT_EQ(1, g_moves);
}

// The old tool stays beside the new one, but the arming does not wait for
// the tooltip to give it up.
TEST_F(Tooltips, ArmingGoesOnWhenATooltipKeepsItsOldTool)
{
    g_tooltipProc = (WNDPROC)SetWindowLongPtrA(found_.day, GWLP_WNDPROC, (LONG_PTR)KeepToolsProc);
    EXPECT_EQ("2026年12月29日(火)", DayTip(2026, 12, 29));
    EXPECT_EQ("2026年12月30日(水)", DayTip(2026, 12, 30, 4));
    EXPECT_EQ(2, SendMessageA(found_.day, TTM_GETTOOLCOUNT, 0, 0));
    SetWindowLongPtrA(found_.day, GWLP_WNDPROC, (LONG_PTR)g_tooltipProc);
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

// Memos made elsewhere with odd endings and lengths, through the tooltip,
// the editor and the save of an edit: no reader pairs a lead byte without
// its trail byte with what follows it in memory.
TEST_F(Tooltips, MemosOfOddEndingsAreReadToTheirOwnBytesOnly)
{
    const char* const dateLine = "2026年12月29日(火)";
    const std::string lead = "\x82";   // the first byte of "あ" and of "メ"
    std::string fullWidth;
    for (int i = 0; i < 1024; ++i) {
        fullWidth += "あ";
    }
    struct Case {
        const char* name;
        std::string file;
        std::string read;
        std::string saved;
    };
    const Case cases[] = {
        {"a lone lead byte at the end", "メモ" + lead, "メモ", "xモ"},
        {"a lone lead byte before a line break", "ab" + lead + "\r\ncd", "ab\r\ncd", "xb\r\ncd"},
        {"a lead byte at the buffer's end", std::string(2047, 'a') + lead, std::string(2047, 'a'),
         "x" + std::string(2046, 'a')},
        {"2048 bytes exactly", fullWidth, fullWidth, "x" + fullWidth.substr(2)},
        {"2049 bytes", std::string(2049, 'a'), dateLine, std::string(2049, 'a')},
    };
    g_tooltipProc = (WNDPROC)SetWindowLongPtrA(found_.day, GWLP_WNDPROC, (LONG_PTR)RecordToolText);
    CreateEditorFont(18);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteMemo(dateLine, c.file.c_str());
        ForgetHover();
        DayTip(2026, 12, 29);
        EXPECT_EQ(c.read, g_handed);
        g_shown = "<not opened>";
        DialogWatch watch = {};
        watch.act = ReplaceFirstCharacter;
        HANDLE watcher = StartDialogWatch(&watch);
        EditMemo(window_, dateLine, RunMemoEditor, nullptr);
        EndDialogWatch(watcher, &watch);
        EXPECT_EQ(c.file.size() > kMemoMaxFileBytes ? "<not opened>" : c.read, g_shown);
        EXPECT_EQ(c.saved, ReadWholeFile(MemoPath(dateLine)));
    }
    DeleteEditorFont();
    SetWindowLongPtrA(found_.day, GWLP_WNDPROC, (LONG_PTR)g_tooltipProc);
    // Only the memo too long to read at all is told, by both readers.
    const std::vector<std::string> told = {kMemoTooLargeText, kMemoTooLargeText};
    EXPECT_EQ(told, g_messages);
}

}   // namespace
