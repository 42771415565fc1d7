// The notices close by themselves whatever the user presses, and the version
// dialog closes with Enter but not with Escape.
#include <gtest/gtest.h>
#include <windows.h>
#include <string.h>
#include <string>

#include "res/resource.h"
#include "shell/app.h"
#include "shell/commands.h"
#include "shell/shell_commands.h"

namespace {

// What a watcher thread saw of the first dialog of the test thread.
struct DialogSeen {
    DWORD thread;
    HWND dialog;
    char caption[64];
    std::string texts;   // its static texts, one after the other
    DWORD visibleMs;     // from when it was found until it went out of sight
    bool openAfterEscape;
    bool closedByEnter;
};

BOOL CALLBACK CollectText(HWND child, LPARAM param)
{
    char cls[16];
    char text[128];
    GetClassNameA(child, cls, sizeof cls);
    bool icon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (lstrcmpiA(cls, "Static") == 0 && !icon && GetWindowTextA(child, text, sizeof text) > 0) {
        ((DialogSeen*)param)->texts += text;
        ((DialogSeen*)param)->texts += "|";
    }
    return TRUE;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM param)
{
    char cls[16];
    GetClassNameA(window, cls, sizeof cls);
    if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    ((DialogSeen*)param)->dialog = window;
    return FALSE;
}

HWND WaitForDialog(DialogSeen* seen)
{
    for (int i = 0; i < 100 && !seen->dialog; ++i) {
        Sleep(30);
        EnumThreadWindows(seen->thread, FindDialog, (LPARAM)seen);
    }
    if (seen->dialog) {
        GetWindowTextA(seen->dialog, seen->caption, sizeof seen->caption);
        EnumChildWindows(seen->dialog, CollectText, (LPARAM)seen);
    }
    return seen->dialog;
}

void PressKey(HWND target, WPARAM key)
{
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

// Tries every way a user has to close a notice, then times it. Its time on
// screen is what counts: under Wine without a window manager, taking a
// window down adds two seconds of waiting after it is out of sight.
DWORD WINAPI TryToCloseNotice(void* param)
{
    DialogSeen* seen = (DialogSeen*)param;
    HWND dialog = WaitForDialog(seen);
    if (!dialog) {
        return 0;
    }
    DWORD found = GetTickCount();
    PressKey(dialog, VK_ESCAPE);
    PressKey(dialog, VK_RETURN);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    while (IsWindowVisible(dialog) && GetTickCount() - found < 10000) {
        Sleep(10);
    }
    seen->visibleMs = GetTickCount() - found;
    return 0;
}

DWORD WINAPI EscapeThenEnter(void* param)
{
    DialogSeen* about = (DialogSeen*)param;
    HWND dialog = WaitForDialog(about);
    if (!dialog) {
        return 0;
    }
    HWND ok = GetDlgItem(dialog, IDOK);
    PressKey(ok, VK_ESCAPE);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Sleep(400);
    about->openAfterEscape = IsWindowVisible(dialog);
    PressKey(ok, VK_RETURN);
    Sleep(400);
    about->closedByEnter = !IsWindowVisible(dialog);
    if (IsWindow(dialog)) {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);   // lets a failing test end
    }
    return 0;
}

class Notices : public ::testing::Test {
protected:
    HWND window_ = nullptr;

    void SetUp() override
    {
        SetAppInstance(GetModuleHandleA(nullptr));
        window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, window_);
    }

    void TearDown() override { DestroyWindow(window_); }
};

TEST_F(Notices, CloseByThemselvesAfterOneOrThreeSeconds)
{
    struct Case {
        int dialog;
        const char* caption;
        const char* texts;
        DWORD minMs, maxMs;
    };
    const Case cases[] = {
        {IDD_NOTICE_REGISTERED, "", "新規登録しました|", 800, 1800},
        {IDD_NOTICE_OVERWRITTEN, "", "上書き登録しました|", 800, 1800},
        {IDD_NOTICE_CHANGE_STOPPED, "『ポルカミナ』",
         "設定が変更されているため|デザイン自動変更が中止されました|", 2800, 3800},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        DialogSeen seen = {GetCurrentThreadId(), nullptr, "", "", 0, false, false};
        HANDLE watcher = CreateThread(nullptr, 0, TryToCloseNotice, &seen, 0, nullptr);
        EXPECT_TRUE(ShowNotice(window_, c.dialog));
        WaitForSingleObject(watcher, INFINITE);
        CloseHandle(watcher);
        ASSERT_NE(nullptr, seen.dialog);
        EXPECT_STREQ(c.caption, seen.caption);
        EXPECT_EQ(c.texts, seen.texts);
        EXPECT_GE(seen.visibleMs, c.minMs);
        EXPECT_LE(seen.visibleMs, c.maxMs);
    }
    EXPECT_FALSE(ShowNotice(window_, IDD_ABOUT));
}

TEST_F(Notices, VersionDialogIgnoresEscapeAndClosesOnEnter)
{
    DialogSeen about = {GetCurrentThreadId(), nullptr, "", "", 0, false, false};
    HANDLE watcher = CreateThread(nullptr, 0, EscapeThenEnter, &about, 0, nullptr);
    HandleCommand(window_, IDM_ABOUT, "");
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    ASSERT_NE(nullptr, about.dialog);
    EXPECT_STREQ("バージョン情報", about.caption);
    EXPECT_EQ("『ポルカミナ』|バージョン 2.3|", about.texts);
    EXPECT_TRUE(about.openAfterEscape);
    EXPECT_TRUE(about.closedByEnter);
}

}  // namespace
