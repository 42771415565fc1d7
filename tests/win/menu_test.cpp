// The context menu as the user meets it: every entry in its place, the memo
// entry enabled only after a right click on a day, the tooltip switch, and
// each command reaching what it should do.
#include <gtest/gtest.h>
#include <windows.h>
#include <string.h>
#include <string>

#include "memo/memo_store.h"
#include "res/resource.h"
#include "platform/app_instance.h"
#include "shell/commands.h"
#include "shell/context_menu.h"
#include "shell/tray.h"
#include "tests/win/test_support.h"

namespace {

// The menu as text: "id text" per entry, "-" for a separator, a sub-menu's
// entries in brackets after its text.
std::string Dump(HMENU menu)
{
    std::string out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        HMENU sub = GetSubMenu(menu, i);
        if (sub) {
            out += std::string(text) + "[" + Dump(sub) + "]";
        } else if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) {
            out += "-";
        } else {
            out += std::to_string(GetMenuItemID(menu, i)) + " " + text;
            if (GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) {
                out += "(grayed)";
            }
        }
        out += "|";
    }
    return out;
}

// A shell that takes every icon.
BOOL WINAPI AcceptIcon(DWORD, PNOTIFYICONDATAA)
{
    return TRUE;
}

bool Grayed(UINT command)
{
    return GetMenuState(ContextMenu(), command, MF_BYCOMMAND) & MF_GRAYED;
}

// What the owner of the menu saw, and the refreshes the commands asked for.
HMENU s_poppedUp;
int s_closeRequests;
int s_refreshes;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITMENUPOPUP:
        s_poppedUp = (HMENU)wParam;
        return 0;
    case WM_ENTERIDLE:   // the menu is up and waiting: dismiss it
        EndMenu();
        return 0;
    case WM_CLOSE:
        ++s_closeRequests;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class ContextMenuTest : public AppFolderTest {
protected:
    HWND window_ = nullptr;

    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        SetAppInstance(GetModuleHandleA(nullptr));
        WNDCLASSA cls = {};
        cls.lpfnWndProc = OwnerProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "MenuTestOwner";
        RegisterClassA(&cls);
        window_ = CreateWindowExA(0, cls.lpszClassName, "", WS_OVERLAPPEDWINDOW, 50, 50, 200, 200, nullptr,
                                  nullptr, cls.hInstance, nullptr);
        ASSERT_NE(nullptr, window_);
        s_poppedUp = nullptr;
        s_closeRequests = 0;
        s_refreshes = 0;
        LoadContextMenu();
        ASSERT_NE(nullptr, ContextMenu());
    }

    void TearDown() override
    {
        DestroyContextMenu();
        DestroyWindow(window_);
        AppFolderTest::TearDown();
    }

    // Runs the command, cancelling any dialog it opens.
    bool CommandOpensDialog(int command, const char* dateLine)
    {
        DialogWatch watch = {};
        watch.press = IDCANCEL;
        HANDLE watcher = StartDialogWatch(&watch);
        s_refreshes += HandleCommand(window_, command, dateLine);
        EndDialogWatch(watcher, &watch);
        return watch.seen.dialog != nullptr;
    }
};

TEST_F(ContextMenuTest, HoldsEveryEntryInItsPlaceAllEnabled)
{
    EXPECT_EQ("532 書き込み/変更...|-|308 設定...|-|353 ツールチップを表示しない|309 カレンダーを隠す|"
              "310 最大化/元に戻す|-|カレンダーデザイン[354 新規登録|355 上書き登録|356 デザイン選択...|]|"
              "357 イメージフォルダを開く|-|ヘルプ[303 説明|-|304 バージョン情報|]|-|302 終了|",
              Dump(ContextMenu()));
}

TEST_F(ContextMenuTest, MemoEntryIsEnabledOnlyByARightClickOnADay)
{
    ShowContextMenu(window_, true);
    EXPECT_EQ(ContextMenu(), s_poppedUp);
    EXPECT_FALSE(Grayed(IDM_EDIT_MEMO));

    // The title or header row: grayed, and it stays so between showings
    // until a click on a day.
    ShowContextMenu(window_, false);
    EXPECT_TRUE(Grayed(IDM_EDIT_MEMO));
    ShowContextMenu(window_, true);
    EXPECT_FALSE(Grayed(IDM_EDIT_MEMO));

    // Hiding is always offered on the calendar itself.
    EnableMenuItem(ContextMenu(), IDM_HIDE, MF_BYCOMMAND | MF_GRAYED);
    ShowContextMenu(window_, false);
    EXPECT_FALSE(Grayed(IDM_HIDE));
}

TEST_F(ContextMenuTest, TooltipSwitchReplacesItsOwnEntryInPlace)
{
    std::string on = Dump(ContextMenu());
    s_refreshes += HandleCommand(window_, IDM_TOOLTIPS_OFF, "");
    std::string off = on;
    off.replace(off.find("353 ツールチップを表示しない"), strlen("353 ツールチップを表示しない"),
                "352 ツールチップを表示する");
    EXPECT_EQ(off, Dump(ContextMenu()));
    s_refreshes += HandleCommand(window_, IDM_TOOLTIPS_ON, "");
    EXPECT_EQ(on, Dump(ContextMenu()));
}

TEST_F(ContextMenuTest, CommandsReachTheirHandlers)
{
    ShowWindow(window_, SW_SHOWNOACTIVATE);

    // Exit asks nothing: it is the close message itself.
    s_refreshes += HandleCommand(window_, IDM_EXIT, "");
    EXPECT_EQ(1, s_closeRequests);

    s_refreshes += HandleCommand(window_, IDM_MAXIMIZE, "");
    EXPECT_TRUE(IsZoomed(window_));
    s_refreshes += HandleCommand(window_, IDM_MAXIMIZE, "");
    EXPECT_FALSE(IsZoomed(window_));

    standIns_.Put(&SystemCalls::notifyIcon, AcceptIcon);
    SetTrayAlways(false);
    PrepareTrayIcon(window_);
    s_refreshes += HandleCommand(window_, IDM_HIDE, "");
    EXPECT_FALSE(IsWindowVisible(window_));
    s_refreshes += HandleCommand(window_, IDM_MAXIMIZE, "");
    EXPECT_TRUE(IsWindowVisible(window_));

    // Commands still to come, and ids nobody owns, change nothing.
    for (int id : {IDM_SETTINGS, IDM_DESIGN_NEW, IDM_DESIGN_OVERWRITE, IDM_DESIGN_CHOOSE, 999}) {
        s_refreshes += HandleCommand(window_, id, "2012年06月04日(月)");
    }
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(1, s_closeRequests);
    EXPECT_EQ(0, s_refreshes);
}

TEST_F(ContextMenuTest, MemoCommandEditsTheHoveredDayAndRefreshes)
{
    ASSERT_TRUE(EnsureFolder(kMemoFolder));

    // Before any day was hovered there is nothing to edit.
    EXPECT_FALSE(CommandOpensDialog(IDM_EDIT_MEMO, ""));
    EXPECT_EQ(0, s_refreshes);

    EXPECT_TRUE(CommandOpensDialog(IDM_EDIT_MEMO, "2012年06月04日(月)"));
    EXPECT_EQ(1, s_refreshes);
}

}   // namespace
