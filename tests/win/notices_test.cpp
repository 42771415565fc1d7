// The notices close by themselves whatever the user presses, and the version
// dialog closes with Enter but not with Escape.
#include <gtest/gtest.h>
#include <windows.h>

#include "res/resource.h"
#include "platform/app_instance.h"
#include "shell/commands.h"
#include "shell/shell_commands.h"
#include "tests/win/test_support.h"

namespace {

// Tries every way a user has to close a notice, then times it. Its time on
// screen is what counts: under Wine without a window manager, taking a
// window down adds two seconds of waiting after it is out of sight.
void TryToCloseNotice(HWND dialog, DialogWatch* watch)
{
    DWORD found = GetTickCount();
    PressKey(dialog, VK_ESCAPE);
    PressKey(dialog, VK_RETURN);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(dialog); });
    *(DWORD*)watch->context = GetTickCount() - found;
}

struct AboutSeen {
    HWND marker;   // of the thread that runs the dialog
    bool openAfterEscape;
    bool closedByEnter;
};

void EscapeThenEnter(HWND dialog, DialogWatch* watch)
{
    AboutSeen* about = (AboutSeen*)watch->context;
    HWND ok = GetDlgItem(dialog, IDOK);
    PressKey(ok, VK_ESCAPE);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitForMarker(about->marker);
    about->openAfterEscape = IsWindowVisible(dialog);
    PressKey(ok, VK_RETURN);
    about->closedByEnter = WaitUntil([&] { return !IsWindowVisible(dialog); });
    if (IsWindow(dialog)) {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);   // lets a failing test end
    }
}

class Notices : public ::testing::Test {
protected:
    HWND window_ = nullptr;
    HWND marker_ = nullptr;

    void SetUp() override
    {
        SetAppInstance(GetModuleHandleA(nullptr));
        window_ = CreateScratchWindow();
        ASSERT_NE(nullptr, window_);
        marker_ = CreateMarkerWindow();
        ASSERT_NE(nullptr, marker_);
    }

    void TearDown() override
    {
        DestroyWindow(marker_);
        DestroyWindow(window_);
    }
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
        DWORD visibleMs = 0;
        DialogWatch watch = {};
        watch.act = TryToCloseNotice;
        watch.context = &visibleMs;
        HANDLE watcher = StartDialogWatch(&watch);
        EXPECT_TRUE(ShowNotice(window_, c.dialog));
        EndDialogWatch(watcher, &watch);
        ASSERT_NE(nullptr, watch.seen.dialog);
        EXPECT_EQ(c.caption, watch.seen.caption);
        EXPECT_EQ(c.texts, watch.seen.texts);
        EXPECT_GE(visibleMs, c.minMs);
        EXPECT_LE(visibleMs, c.maxMs);
    }
    EXPECT_FALSE(ShowNotice(window_, IDD_ABOUT));
}

TEST_F(Notices, VersionDialogIgnoresEscapeAndClosesOnEnter)
{
    AboutSeen about = {marker_, false, false};
    DialogWatch watch = {};
    watch.act = EscapeThenEnter;
    watch.context = &about;
    HANDLE watcher = StartDialogWatch(&watch);
    HandleCommand(window_, IDM_ABOUT, "");
    EndDialogWatch(watcher, &watch);
    ASSERT_NE(nullptr, watch.seen.dialog);
    EXPECT_EQ("バージョン情報", watch.seen.caption);
    EXPECT_EQ("『ポルカミナ』|バージョン 2.3|", watch.seen.texts);
    EXPECT_TRUE(about.openAfterEscape);
    EXPECT_TRUE(about.closedByEnter);
}

}   // namespace
