// The memo editor dialog under Wine, driven as a user would: a watcher
// thread waits for the dialog, puts text into it and presses OK; a message
// box that comes up is read and closed, and the dialog then cancelled.
#include <gtest/gtest.h>
#include <windows.h>
#include <imm.h>
#include <string.h>

#include <atomic>
#include <string>

#include "memo/memo_dialog.h"
#include "memo/memo_store.h"
#include "res/resource.h"
#include "tests/win/test_support.h"

namespace {

struct Session {
    const char* typed;    // nullptr: OK on the untouched text
    bool unsaved;         // the text is one whose save failed
    std::string pasted;   // pasted over everything instead
    // Observed:
    DialogSeen box;   // a message box owned by the dialog
    bool stayedOpen;
    int keptCharacters;   // in the editor after the box
    bool imeOpen;
    std::atomic<bool> imeLooked;
    HWND marker;   // of the thread that runs the editor
};

void ReadBoxAndCancel(Session* s, DWORD thread, HWND dialog)
{
    HWND box = nullptr;
    WaitUntil([&] {
        box = FindDialog(thread, dialog);
        return box || !IsWindow(dialog);
    });
    if (!box) {
        return;
    }
    ReadDialog(box, &s->box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    // The box gone, a marker posted after it is handled once the editor has
    // dealt with its OK and is back in its own loop.
    WaitUntil([&] { return !IsWindow(box); });
    WaitForMarker(s->marker);
    s->stayedOpen = IsWindowVisible(dialog);
    s->keptCharacters = GetWindowTextLengthW(GetDlgItem(dialog, IDC_MEMO_EDIT));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void ActAsUser(HWND dialog, DialogWatch* watch)
{
    Session* s = (Session*)watch->context;
    WaitUntil([&] { return s->imeLooked.load(); });
    HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
    if (!s->pasted.empty()) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)s->pasted.c_str());
    } else if (s->typed) {
        SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)s->typed);
        SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
    }
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ReadBoxAndCancel(s, watch->thread, dialog);
}

// Runs on the editor's thread, in its modal loop: only there can the edit
// control's input context be asked.
Session* g_session;
void CALLBACK LookAtIme(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindDialog(GetCurrentThreadId());
    if (dialog) {
        KillTimer(nullptr, timer);
        HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
        HIMC context = ImmGetContext(edit);
        g_session->imeOpen = context && ImmGetOpenStatus(context);
        ImmReleaseContext(edit, context);
        g_session->imeLooked = true;
    }
}

class MemoEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateEditorFont(18);
        marker_ = CreateMarkerWindow();
        ASSERT_NE(nullptr, marker_);
    }
    void TearDown() override
    {
        DestroyWindow(marker_);
        DeleteEditorFont();
    }

    bool Run(Session* s)
    {
        g_session = s;
        s->marker = marker_;
        UINT_PTR timer = SetTimer(nullptr, 0, 10, LookAtIme);
        DialogWatch watch = {};
        watch.act = ActAsUser;
        watch.context = s;
        HANDLE watcher = StartDialogWatch(&watch);
        bool confirmed = RunMemoEditor(nullptr, text_, sizeof text_, s->unsaved, nullptr);
        EndDialogWatch(watcher, &watch);
        KillTimer(nullptr, timer);
        return confirmed;
    }

    char text_[kMemoBufferSize] = "2012年06月04日(月)\r\n";
    HWND marker_ = nullptr;
};

TEST_F(MemoEditor, OnlyAnEditedTextIsConfirmed)
{
    Session untouched = {};
    EXPECT_FALSE(Run(&untouched));
    EXPECT_STREQ("2012年06月04日(月)\r\n", text_);

    Session edited = {};
    edited.typed = "2012年06月04日(月)\r\n歯医者 10時\r\n";
    EXPECT_TRUE(Run(&edited));
    EXPECT_STREQ(edited.typed, text_);
    EXPECT_EQ(nullptr, edited.box.dialog);

    // Shown again after its save failed, the same text confirmed as it is
    // must be saved, not dropped as "no change".
    Session retried = {};
    retried.unsaved = true;
    EXPECT_TRUE(Run(&retried));
    EXPECT_STREQ(edited.typed, text_);
}

TEST_F(MemoEditor, FortyOneLineFeedsAreRefusedEvenWhenBlank)
{
    std::string blank41;
    std::string lines40;
    for (int i = 0; i < 40; ++i) {
        blank41 += "\r\n";
        lines40 += "x\r\n";
    }
    blank41 += "\r\n";

    Session refused = {};
    refused.typed = blank41.c_str();
    EXPECT_FALSE(Run(&refused));
    EXPECT_EQ("information", refused.box.caption);
    EXPECT_EQ("改行が多すぎます|", refused.box.texts);
    EXPECT_TRUE(refused.stayedOpen);
    EXPECT_STREQ("2012年06月04日(月)\r\n", text_);

    Session accepted = {};
    accepted.typed = lines40.c_str();
    EXPECT_TRUE(Run(&accepted));
    EXPECT_EQ(lines40, text_);
}

TEST_F(MemoEditor, WhiteSpaceAloneEmptiesTheWholeBuffer)
{
    Session s = {};
    s.typed = " \t\r\n　\r\n 　";
    EXPECT_TRUE(Run(&s));
    for (size_t i = 0; i < sizeof text_; ++i) {
        ASSERT_EQ('\0', text_[i]) << i;
    }
}

std::string Repeat(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// A memo is kept in bytes of its code page, up to 2047: a longer text is
// neither cut nor confirmed, and the user is told how much to cut.
TEST_F(MemoEditor, ATextLongerThanAMemoIsKeptInTheEditorAndTheUserToldHowMuch)
{
    struct Case {
        std::string pasted;
        int characters;
        const char* told;
    };
    const Case cases[] = {
        {Repeat("あ", 2000), 2000, "1953 バイト (全角でおよそ 977 文字)"},
        {std::string(3000, 'x'), 3000, "953 バイト (全角でおよそ 477 文字)"},
        {Repeat("あ", 1023) + "xy", 1025, "1 バイト (全角でおよそ 1 文字)"},
    };
    for (const Case& c : cases) {
        Session s = {};
        s.pasted = c.pasted;
        EXPECT_FALSE(Run(&s));
        EXPECT_EQ(std::string("メモが長すぎるため、保存できません\n") + c.told +
                      " 減らしてください\n(1 つのメモは 2047 バイト、全角で 1023 文字まで)|",
                  s.box.texts);
        EXPECT_EQ("information", s.box.caption);
        EXPECT_TRUE(s.stayedOpen);
        EXPECT_EQ(c.characters, s.keptCharacters) << "nothing was cut";
        EXPECT_STREQ("2012年06月04日(月)\r\n", text_);
    }

    Session fits = {};
    fits.pasted = Repeat("あ", 1023) + "x";
    EXPECT_TRUE(Run(&fits));
    EXPECT_EQ(fits.pasted, text_);
}

TEST_F(MemoEditor, InputMethodIsOpenedForTheEditorAndLeftAsItWas)
{
    HWND probe = CreateScratchWindow();
    HIMC context = ImmGetContext(probe);
    if (!context) {
        DestroyWindow(probe);
        GTEST_SKIP() << "no input context here";
    }
    for (BOOL before : {FALSE, TRUE}) {
        ImmSetOpenStatus(context, before);
        Session s = {};
        Run(&s);
        EXPECT_TRUE(s.imeOpen);
        EXPECT_EQ(before, ImmGetOpenStatus(context));
    }
    ImmSetOpenStatus(context, FALSE);
    ImmReleaseContext(probe, context);
    DestroyWindow(probe);
}

}   // namespace
