// The first start: the shortcut question answered from a watcher thread, the
// links it makes into private folders standing in for the shell's, the
// message naming the places that failed, and the picture paths written into
// a shipped pelmo.ini beside an executable in a folder with a Japanese name.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <stdio.h>
#include <string>
#include <vector>

#include "res/resource.h"
#include "platform/app_instance.h"
#include "shell/shortcut_dialog.h"
#include "shell/shortcuts.h"
#include "tests/win/test_support.h"

namespace {

// Each place's folder is "<id>表" in the test's folder ("表" ends in the
// byte of a backslash); s_noPath names the place the shell knows no path for.
std::string s_root;
int s_noPath = -1;
std::vector<int> s_asked;

bool TestFolder(HWND, int folderId, char* out, size_t size)
{
    s_asked.push_back(folderId);
    int n = snprintf(out, size, "%s%d表", s_root.c_str(), folderId);
    return folderId != s_noPath && n > 0 && (size_t)n < size;
}

struct Answer {
    int tick[3];   // 501 desktop, 502 start menu, 503 start-up
    WPARAM press;
    DialogSeen box;   // a message box the dialog then showed
};

void AnswerDialog(HWND dialog, DialogWatch* watch)
{
    Answer* a = (Answer*)watch->context;
    for (int i = 0; i < 3; ++i) {
        SendDlgItemMessageA(dialog, IDC_SHORTCUT_DESKTOP + i, BM_SETCHECK,
                            a->tick[i] ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    PostMessageA(dialog, WM_COMMAND, a->press, 0);
    HWND box = nullptr;
    WaitUntil([&] {
        box = FindDialog(watch->thread, dialog);
        return box || !IsWindow(dialog);
    });
    if (box) {
        ReadDialog(box, &a->box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

class ShortcutDialogTest : public AppFolderWithOwnerTest {
protected:
    void SetUp() override
    {
        AppFolderWithOwnerTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        SetAppInstance(GetModuleHandleA(nullptr));
        s_root = folder_;
        s_noPath = -1;
        s_asked.clear();
        standIns_.Put(&SystemCalls::specialFolder, TestFolder);
        for (int id : {CSIDL_STARTUP, CSIDL_DESKTOP, CSIDL_PROGRAMS}) {
            CreateDirectoryA(Folder(id).c_str(), nullptr);
        }
    }

    ShortcutFlags Ask(Answer* answer, ShortcutFlags flags)
    {
        DialogWatch watch = {};
        watch.act = AnswerDialog;
        watch.context = answer;
        HANDLE watcher = StartDialogWatch(&watch);
        EXPECT_TRUE(ShowShortcutDialog(window_, &flags));
        EndDialogWatch(watcher, &watch);
        EXPECT_EQ("ショートカット設定", watch.seen.caption);
        return flags;
    }

    std::string Folder(int id) { return folder_ + std::to_string(id) + "表"; }
    std::string Link(int id) { return Folder(id) + "\\ポルカミナ.lnk"; }
};

TEST_F(ShortcutDialogTest, OkMakesTheTickedLinksInOrderCancelMakesNone)
{
    ASSERT_TRUE(WriteWholeFile(Link(CSIDL_DESKTOP), "not a link"));   // replaced
    Answer answer = {{1, 0, 1}, IDOK, {}};
    ShortcutFlags flags = Ask(&answer, {0, 1, 0});
    EXPECT_EQ(nullptr, answer.box.dialog);
    EXPECT_EQ(1, flags.startup);
    EXPECT_EQ(0, flags.startMenu);
    EXPECT_EQ(1, flags.desktop);
    EXPECT_EQ((std::vector<int>{CSIDL_STARTUP, CSIDL_DESKTOP}), s_asked);
    EXPECT_NE("not a link", ReadWholeFile(Link(CSIDL_DESKTOP)));
    EXPECT_TRUE(PathExists(Link(CSIDL_STARTUP)));
    EXPECT_FALSE(PathExists(Link(CSIDL_PROGRAMS)));

    s_asked.clear();
    Answer cancel = {{1, 1, 1}, IDCANCEL, {}};
    flags = Ask(&cancel, {1, 1, 1});
    EXPECT_EQ(0, flags.startup + flags.startMenu + flags.desktop);
    EXPECT_TRUE(s_asked.empty());
}

TEST_F(ShortcutDialogTest, PlacesWithoutTheirLinkAreNamedInOneMessage)
{
    RemoveDirectoryA(Folder(CSIDL_DESKTOP).c_str());   // the save fails
    s_noPath = CSIDL_PROGRAMS;
    Answer answer = {{1, 1, 1}, IDOK, {}};
    ShortcutFlags flags = Ask(&answer, {0, 0, 0});
    EXPECT_EQ("ショートカット設定", answer.box.caption);
    EXPECT_EQ("次の場所にショートカットを作成できませんでした。\n\nデスクトップ\nスタートメニュー\n|",
              answer.box.texts);
    // The ticks are kept all the same: the question is not asked again.
    EXPECT_EQ(3, flags.startup + flags.startMenu + flags.desktop);
    EXPECT_TRUE(PathExists(Link(CSIDL_STARTUP)));
}

// A shipped pelmo.ini with two designs, started from a folder with a
// Japanese name; STARTUP = 100 marks a first start like a missing key.
TEST_F(ShortcutDialogTest, AShippedSettingsFileGetsThePicturePaths)
{
    const std::string app = folder_ + "ポルカミナ表\\";
    const std::string ini = app + "pelmo.ini";
    ASSERT_TRUE(CreateDirectoryA(app.c_str(), nullptr));
    standIns_.AppFolder(app);
    WritePrivateProfileStringA("REGIST", "SUM", "2", ini.c_str());
    WritePrivateProfileStringA("DESIGN004", "BGBRUSH_BITMAP", "C:\\old\\Wall.bmp", ini.c_str());
    WritePrivateProfileStringA("DESIGN004", "BGBRUSH_COLOR", "255", ini.c_str());
    WritePrivateProfileStringA("SHELLLINK", "STARTUP", "100", ini.c_str());
    DialogWatch watch = {};
    watch.press = IDCANCEL;
    HANDLE watcher = StartDialogWatch(&watch);
    HWND owner = nullptr;
    HWND calendar = StartCalendar(&owner);
    EndDialogWatch(watcher, &watch);
    EXPECT_EQ("ショートカット設定", watch.seen.caption);
    EXPECT_EQ(calendar, watch.seen.owner);
    StopCalendar(owner, calendar);

    auto text = [&](const char* section, const char* key) {
        char value[MAX_PATH] = "";
        GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, ini.c_str());
        return std::string(value);
    };
    EXPECT_EQ(app + "Image\\Wall.bmp", text("DESIGN004", "BGBRUSH_BITMAP"));
    EXPECT_EQ(app + "Image\\Metal.bmp", text("DESIGN005", "BGBRUSH_BITMAP"));
    EXPECT_EQ(app + "Image\\BlueCheck.bmp", text("DESIGN006", "BGBRUSH_BITMAP"));
    EXPECT_EQ(app + "Image\\GreenCheck.bmp", text("DESIGN007", "BGBRUSH_BITMAP"));
    EXPECT_EQ("255", text("DESIGN004", "BGBRUSH_COLOR"));
    EXPECT_EQ("<none>", text("DESIGN005", "BGBRUSH_STYLE"));
    EXPECT_EQ("0", text("REGIST", "CHANGE"));
    EXPECT_EQ("0", text("SHELLLINK", "STARTUP"));
}

}   // namespace
