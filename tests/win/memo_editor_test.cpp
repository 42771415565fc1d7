// The memo editor dialog under Wine, driven as a user would: a watcher
// thread waits for the dialog, puts text into it and presses OK; a message
// box that comes up is read and closed, and the dialog then cancelled.
#include <gtest/gtest.h>
#include <windows.h>
#include <imm.h>
#include <string.h>

#include <string>

#include "memo/memo_editor.h"
#include "memo/memo_store.h"
#include "res/resource.h"
#include "shell/app.h"

namespace {

struct Session {
    DWORD thread;
    const char* typed;      // nullptr: OK on the untouched text
    bool pasteLong;         // paste more than the limit instead
    // Observed:
    std::string box;        // "caption: text" of a message box owned by the dialog
    bool stayedOpen;
    bool imeOpen;
    volatile bool imeLooked;
};

BOOL CALLBACK FindEditor(HWND window, LPARAM param)
{
    if (IsWindowVisible(window) && GetDlgItem(window, IDC_MEMO_EDIT)) {
        *(HWND*)param = window;
        return FALSE;
    }
    return TRUE;
}

HWND Editor(DWORD thread)
{
    HWND dialog = nullptr;
    EnumThreadWindows(thread, FindEditor, (LPARAM)&dialog);
    return dialog;
}

BOOL CALLBACK FindBox(HWND window, LPARAM param)
{
    HWND* dialogThenBox = (HWND*)param;
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == *dialogThenBox) {
        *dialogThenBox = window;
        return FALSE;
    }
    return TRUE;
}

void ReadBoxAndCancel(Session* s, HWND dialog)
{
    for (int tries = 0; tries < 250 && IsWindow(dialog); ++tries) {
        Sleep(20);
        HWND box = dialog;
        EnumThreadWindows(s->thread, FindBox, (LPARAM)&box);
        if (box == dialog) {
            continue;
        }
        char caption[64] = {};
        char text[128] = {};
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        s->box = std::string(caption) + ": " + text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        Sleep(200);
        s->stayedOpen = IsWindowVisible(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
}

DWORD WINAPI ActAsUser(void* param)
{
    Session* s = (Session*)param;
    HWND dialog = nullptr;
    for (int tries = 0; tries < 250 && !dialog; ++tries) {
        Sleep(20);
        dialog = Editor(s->thread);
    }
    if (!dialog) {
        return 0;
    }
    for (int tries = 0; tries < 50 && !s->imeLooked; ++tries) {
        Sleep(20);
    }
    HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
    if (s->pasteLong) {
        std::string many(3000, 'x');
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)many.c_str());
    } else if (s->typed) {
        SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)s->typed);
        SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
    }
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ReadBoxAndCancel(s, dialog);
    return 0;
}

// Runs on the editor's thread, in its modal loop: only there can the edit
// control's input context be asked.
Session* g_session;
void CALLBACK LookAtIme(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = Editor(GetCurrentThreadId());
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
        SetAppInstance(GetModuleHandleA(nullptr));
        CreateEditorFont(18);
    }
    void TearDown() override { DeleteEditorFont(); }

    bool Run(Session* s)
    {
        s->thread = GetCurrentThreadId();
        g_session = s;
        UINT_PTR timer = SetTimer(nullptr, 0, 10, LookAtIme);
        HANDLE watcher = CreateThread(nullptr, 0, ActAsUser, s, 0, nullptr);
        bool confirmed = RunMemoEditor(nullptr, text_, sizeof text_, nullptr);
        WaitForSingleObject(watcher, 10000);
        CloseHandle(watcher);
        KillTimer(nullptr, timer);
        return confirmed;
    }

    char text_[kMemoBufferSize] = "2012年06月04日(月)\r\n";
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
    EXPECT_EQ("", edited.box);
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
    EXPECT_EQ("information: 改行が多すぎます", refused.box);
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

TEST_F(MemoEditor, TypingStopsAtTheLimit)
{
    Session s = {};
    s.pasteLong = true;
    EXPECT_TRUE(Run(&s));
    EXPECT_EQ(2047u, strlen(text_));
}

TEST_F(MemoEditor, InputMethodIsOpenedForTheEditorAndLeftAsItWas)
{
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
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

}  // namespace
