// Memos of odd endings and lengths, made outside the calendar, through every
// reader: the day tooltip, the editor, and the save of an edit. A lead byte
// of a double-byte character without its trail byte must never be paired
// with what follows it in memory.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/dates.h"
#include "memo/memo_dialog.h"
#include "memo/memo_save.h"
#include "memo/memo_store.h"
#include "res/resource.h"
#include "tests/win/test_support.h"
#include "tooltips/day_tooltip.h"
#include "tooltips/tooltips.h"

namespace {

std::vector<std::string> g_messages;

int WINAPI RecordMessage(HWND, LPCSTR text, LPCSTR, UINT)
{
    g_messages.push_back(text ? text : "");
    return IDOK;
}

BOOL CALLBACK FindDayTooltip(HWND window, LPARAM param)
{
    char cls[32];
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && (GetWindowLongA(window, GWL_STYLE) & TTS_BALLOON)) {
        *(HWND*)param = window;
    }
    return TRUE;
}

// The text the day tooltip is handed, as it copies it: the control turns it
// into wide characters itself, reading as far as the text seems to go.
WNDPROC g_tooltipProc;
std::string g_handed;

LRESULT CALLBACK RecordToolText(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TTM_ADDTOOLA) {
        const TOOLINFOA* tool = (const TOOLINFOA*)lParam;
        g_handed = tool->lpszText && !IS_INTRESOURCE(tool->lpszText) ? tool->lpszText : "<none>";
    }
    return CallWindowProcA(g_tooltipProc, window, message, wParam, lParam);
}

// What the editor showed, and the user's edit: its first character
// replaced by "x", then OK.
std::string g_shown;

void ReplaceFirstCharacter(HWND dialog, DialogWatch*)
{
    HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
    const int length = GetWindowTextLengthA(edit);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(edit, &text[0], length + 1));
    g_shown = text;
    SendMessageA(edit, EM_SETSEL, 0, 1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM) "x");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

// Tuesday, 29 December 2026: a cell of the stand-in's month.
const char kDateLine[] = "2026年12月29日(火)";

class MemoEndings : public AppFolderWithOwnerTest {
protected:
    void SetUp() override
    {
        AppFolderWithOwnerTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        g_messages.clear();
        SetMemoMessageBox(RecordMessage);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(CreateTooltips(window_, GetModuleHandleA(nullptr), {18, 18, 300}));
        ASSERT_TRUE(PrepareMemoBuffer());
        EnumThreadWindows(GetCurrentThreadId(), FindDayTooltip, (LPARAM)&tip_);
        ASSERT_NE(nullptr, tip_);
        g_tooltipProc = (WNDPROC)SetWindowLongPtrA(tip_, GWLP_WNDPROC, (LONG_PTR)RecordToolText);
        CreateEditorFont(18);
        ASSERT_TRUE(CreateDirectoryA(Path("DATA").c_str(), nullptr));
    }

    void TearDown() override
    {
        DeleteEditorFont();
        ReleaseMemoBuffer();
        DestroyTooltipResources();
        SetMemoMessageBox(nullptr);
        AppFolderWithOwnerTest::TearDown();
    }

    std::string MemoPath() { return Path("DATA\\") + kDateLine + ".dat"; }

    std::string DayTip()
    {
        ForgetHover();
        g_handed = "<not armed>";
        ArmDayTooltip(3, {0, 50, 28, 75}, kDateLine, MakeGridDate(2026, 12, 29), {14, 60});
        return g_handed;
    }

    // The memo through the real editor, its first character replaced.
    bool Edit()
    {
        g_shown = "<not opened>";
        DialogWatch watch = {};
        watch.act = ReplaceFirstCharacter;
        HANDLE watcher = StartDialogWatch(&watch);
        bool saved = EditMemo(window_, kDateLine, RunMemoEditor, nullptr);
        EndDialogWatch(watcher, &watch);
        return saved;
    }

    HWND tip_ = nullptr;
};

TEST_F(MemoEndings, EveryReadStopsAtTheMemosOwnBytes)
{
    const std::string lead = "\x82";   // the first byte of "あ" and of "メ"
    std::string fullWidth2048;
    for (int i = 0; i < 1024; ++i) {
        fullWidth2048 += "あ";
    }
    struct Case {
        const char* name;
        std::string file;
        std::string read;    // what the tooltip and the editor show
        std::string saved;   // after the first character became "x"
    };
    const Case cases[] = {
        {"a lone lead byte at the end", "メモ" + lead, "メモ", "xモ"},
        {"a lone lead byte before a line break", "ab" + lead + "\r\ncd", "ab\r\ncd", "xb\r\ncd"},
        {"a lead byte at the buffer's end", std::string(2047, 'a') + lead, std::string(2047, 'a'),
         "x" + std::string(2046, 'a')},
        {"2048 bytes exactly", fullWidth2048, fullWidth2048, "x" + fullWidth2048.substr(2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteWholeFile(MemoPath(), c.file));
        EXPECT_EQ(c.read, DayTip());
        EXPECT_TRUE(Edit());
        EXPECT_EQ(c.read, g_shown);
        EXPECT_EQ(c.saved, ReadWholeFile(MemoPath()));
        EXPECT_TRUE(g_messages.empty()) << g_messages.front();
    }

    // One byte more than is ever read: refused by both, and left as it is.
    const std::string tooLong(2049, 'a');
    ASSERT_TRUE(WriteWholeFile(MemoPath(), tooLong));
    EXPECT_EQ(kDateLine, DayTip());
    EXPECT_FALSE(Edit());
    EXPECT_EQ("<not opened>", g_shown);
    EXPECT_EQ(tooLong, ReadWholeFile(MemoPath()));
    const std::vector<std::string> told = {kMemoTooLargeText, kMemoTooLargeText};
    EXPECT_EQ(told, g_messages);
}

}  // namespace
