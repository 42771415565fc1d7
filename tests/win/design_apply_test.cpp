// Designs put in force in the running calendar by the apply message, and
// registered from its commands.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include <prsht.h>

#include "res/page_text_ids.h"
#include "res/resource.h"
#include "shell/context_menu.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"
#include "view/picture.h"

namespace {

std::vector<std::string> s_pictureMessages;

int WINAPI RecordPictureMessage(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    s_pictureMessages.push_back(std::string(text) + "|" + caption);
    return IDOK;
}

class DesignApply : public CalendarTest {
protected:
    void SetUp() override
    {
        CalendarTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        s_pictureMessages.clear();
        standIns_.Put(&SystemCalls::messageBox, RecordPictureMessage);
        Write("SHELLLINK", "STARTUP", "0");
        Write("REGIST", "SUM", "3");
        Write("REGIST", "CURRENT", "1");
        // Design 2: a solid colour, its own cell colours and record.
        Write("DESIGN002", "BGBRUSH_STYLE", "0");
        Write("DESIGN002", "BGBRUSH_COLOR", std::to_string(RGB(10, 120, 200)));
        Write("DESIGN002", "TODAY_COLOR", std::to_string(RGB(250, 0, 0)));
        Write("DESIGN002", "FORMAT_YMTYPE", "3");
        Write("DESIGN002", "FONT_FACENAME", "ＭＳ Ｐゴシック");
        Write("DESIGN002", "FONT_CHARSET", "128");
        // Design 3: a picture to convert that is gone.
        Write("DESIGN003", "BGBRUSH_STYLE", "3");
        Write("DESIGN003", "BGBRUSH_ORGFILE", Path("gone.png"));
        Write("DESIGN003", "BGBRUSH_BITMAP", Path("old.bmp"));
        Write("DESIGN003", "TODAY_COLOR", std::to_string(RGB(0, 0, 250)));
        Launch();
    }

    COLORREF Pixel(int x, int y) { return WindowPixel(calendar_, x, y); }
};

TEST_F(DesignApply, ADesignTakesOverTheCalendarAndItsFile)
{
    SendMessageA(calendar_, WM_PELMO_APPLY_DESIGN, 2, 3);
    EXPECT_EQ(RGB(10, 120, 200), Pixel(2, 2));
    EXPECT_EQ("2", Read("REGIST", "CURRENT"));
    EXPECT_EQ("0", Read("BGBRUSH", "STYLE"));
    EXPECT_EQ(std::to_string(RGB(250, 0, 0)), Read("TODAY", "COLOR"));
    EXPECT_EQ("3", Read("FORMAT", "YMTYPE"));
    EXPECT_FALSE(Enabled(IDM_DESIGN_NEW));
    EXPECT_FALSE(Enabled(IDM_DESIGN_OVERWRITE));
    EXPECT_TRUE(Enabled(IDM_DESIGN_CHOOSE));

    // Today's cell takes the design's today colour at once.
    RECT client;
    GetClientRect(calendar_, &client);
    bool todayRed = false;
    for (int y = client.bottom / 4; y < client.bottom && !todayRed; y += 2) {
        for (int x = 0; x < client.right && !todayRed; x += 2) {
            todayRed = Pixel(x, y) == RGB(250, 0, 0);
        }
    }
    EXPECT_TRUE(todayRed);
}

TEST_F(DesignApply, AGonePictureKeepsTheBrushButTheRestApplies)
{
    SendMessageA(calendar_, WM_PELMO_APPLY_DESIGN, 2, 3);
    SendMessageA(calendar_, WM_PELMO_APPLY_DESIGN, 3, 3);
    ASSERT_EQ(1u, s_pictureMessages.size());
    EXPECT_EQ(std::string(kPictureConversionFailedText) + "|" + Path("gone.png"), s_pictureMessages[0]);
    EXPECT_EQ(RGB(10, 120, 200), Pixel(2, 2)) << "the brush stays";
    EXPECT_EQ("0", Read("BGBRUSH", "STYLE"));
    EXPECT_EQ(Path("gone.png"), Read("BGBRUSH", "ORGFILE"));
    EXPECT_EQ("no key value", Read("DESIGN003", "BGBRUSH_BITMAP"));
    EXPECT_EQ(std::to_string(RGB(0, 0, 250)), Read("TODAY", "COLOR"));
}

TEST_F(DesignApply, NoDesignsLeftAndRegisteringFromTheMenu)
{
    SendMessageA(calendar_, WM_PELMO_APPLY_DESIGN, 0, 0);
    EXPECT_TRUE(Enabled(IDM_DESIGN_NEW));
    EXPECT_FALSE(Enabled(IDM_DESIGN_OVERWRITE));
    EXPECT_FALSE(Enabled(IDM_DESIGN_CHOOSE));

    // Registering as new with 3 designs: the notice closes by itself.
    SendMessageA(calendar_, WM_PELMO_APPLY_DESIGN, 1, 3);
    SendMessageA(calendar_, WM_COMMAND, IDM_DESIGN_NEW, 0);
    EXPECT_EQ("4", Read("REGIST", "SUM"));
    EXPECT_EQ("4", Read("REGIST", "CURRENT"));
    EXPECT_EQ("0", Read("DESIGN004", "BGBRUSH_STYLE"));
    SendMessageA(calendar_, WM_CLOSE, 0, 0);
    EXPECT_EQ("4", Read("REGIST", "SUM"));
    EXPECT_EQ("0", Read("REGIST", "CHANGE"));
}

// The settings sheet closed with OK: the flag and the menu follow whether
// what is in force still is the current design.
void PressSheetOk(HWND sheet, DialogWatch*)
{
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    PostMessageA(sheet, WM_NULL, 0, 0);   // the sheet looks at its end on a message
}

void RunSheetWithOk(HWND calendar)
{
    DialogWatch watch = {};
    watch.act = PressSheetOk;
    HANDLE watcher = StartDialogWatch(&watch);
    SendMessageA(calendar, WM_COMMAND, IDM_SETTINGS, 0);
    EndDialogWatch(watcher, &watch);
}

TEST_F(DesignApply, SettingsThatEqualTheCurrentDesignClearTheFlag)
{
    // Design 2 in force, then the settings sheet with nothing changed.
    SendMessageA(calendar_, WM_PELMO_APPLY_DESIGN, 2, 3);
    SendMessageA(calendar_, WM_COMMAND, IDM_DESIGN_OVERWRITE, 0);
    RunSheetWithOk(calendar_);
    EXPECT_FALSE(Enabled(IDM_DESIGN_NEW));
    EXPECT_FALSE(Enabled(IDM_DESIGN_OVERWRITE));

    // The stored design no longer matches: an unregistered change.
    Write("DESIGN002", "FORMAT_YMTYPE", "1");
    RunSheetWithOk(calendar_);
    EXPECT_TRUE(Enabled(IDM_DESIGN_NEW));
    EXPECT_TRUE(Enabled(IDM_DESIGN_OVERWRITE));
    SendMessageA(calendar_, WM_CLOSE, 0, 0);
    EXPECT_EQ("1", Read("REGIST", "CHANGE"));
}

// "更 新" on the text page puts another partition in force; "キャンセル"
// then closes the sheet, the partition staying.
void UpdateThenCancel(HWND sheet, DialogWatch*)
{
    const int textPage = 2;
    SendMessageA(sheet, PSM_SETCURSEL, textPage, 0);
    HWND page = (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    for (int id : {IDC_TEXT_PARTITION_NONE, IDC_TEXT_UPDATE}) {
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(page, id));
    }
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    PostMessageA(sheet, WM_NULL, 0, 0);
}

TEST_F(DesignApply, EditsUpdatedAndThenCancelledAreAnUnregisteredChange)
{
    SendMessageA(calendar_, WM_PELMO_APPLY_DESIGN, 2, 3);
    ASSERT_FALSE(Enabled(IDM_DESIGN_NEW));
    DialogWatch sheetWatch = {};
    sheetWatch.act = UpdateThenCancel;
    HANDLE watcher = StartDialogWatch(&sheetWatch);
    SendMessageA(calendar_, WM_COMMAND, IDM_SETTINGS, 0);
    EndDialogWatch(watcher, &sheetWatch);
    EXPECT_TRUE(Enabled(IDM_DESIGN_NEW));
    EXPECT_TRUE(Enabled(IDM_DESIGN_OVERWRITE));

    // Choosing another design would drop the change: the user is asked
    // first, and "はい" goes back to register it.
    DialogWatch question = {};
    question.press = IDYES;
    watcher = StartDialogWatch(&question);
    SendMessageA(calendar_, WM_COMMAND, IDM_DESIGN_CHOOSE, 0);
    EndDialogWatch(watcher, &question);
    EXPECT_EQ(0u, question.seen.texts.find("変更を登録しますか？")) << question.seen.texts;
    SendMessageA(calendar_, WM_CLOSE, 0, 0);
    EXPECT_EQ("1", Read("REGIST", "CHANGE"));
    EXPECT_EQ("0", Read("FORMAT", "PARTITION"));
}

}   // namespace
