// The design list window opened from the running calendar: the preview,
// moves, deletions, OK and Cancel against pelmo.ini, the automatic-change
// controls, and the hourly change the calendar then runs by itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/design_list.h"
#include "res/resource.h"
#include "platform/clock.h"
#include "design/design_registry.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "shell/calendar_window.h"
#include "shell/context_menu.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"
#include "tooltips/tooltip_parts.h"
#include "view/picture.h"

namespace {

class DesignList : public CalendarTest {};

TEST_F(DesignList, OpensOnTheCurrentDesignPreviewsSelectionsAndOkAppliesTheChoice)
{
    Start(5, 3);
    Open();
    EXPECT_TRUE(IsWindowVisible(list_));
    EXPECT_FALSE(IsWindowEnabled(calendar_));
    char caption[32] = {};
    GetWindowTextA(list_, caption, sizeof caption);
    EXPECT_STREQ("デザイン選択", caption);
    ASSERT_EQ(5, SendMessageA(Entries(), LB_GETCOUNT, 0, 0));
    char entry[8] = {};
    SendMessageA(Entries(), LB_GETTEXT, 4, (LPARAM)entry);
    EXPECT_STREQ("005", entry);
    EXPECT_EQ(2, Selection());
    EXPECT_EQ(kColours[2], Preview());

    const std::string opened = ReadWholeFile(Path("temp.ini"));
    Select(0);
    EXPECT_EQ(kColours[0], Preview());
    EXPECT_EQ(kColours[2], Calendar()) << "a preview changes the calendar nothing";
    EXPECT_EQ("3", Read("REGIST", "CURRENT"));
    EXPECT_EQ(opened, ReadWholeFile(Path("temp.ini"))) << "nor any file";

    Click(IDOK);
    EXPECT_FALSE(IsWindowVisible(list_));
    EXPECT_TRUE(IsWindowEnabled(calendar_));
    EXPECT_EQ("1", Read("REGIST", "CURRENT"));
    EXPECT_EQ(kColours[0], Calendar());
    EXPECT_EQ("20", Read("POSITION", "LEFT"));
}

// The calendar's work after its first frame comes by a timer, which a list
// opened at once outruns: it must not put pelmo.ini back over the list's
// working copy meanwhile.
TEST_F(DesignList, AListOpenedBeforeTheFirstFrameWorkKeepsItsChanges)
{
    Start(3, 1);
    Open();
    ASSERT_EQ(nullptr, TooltipHandle(kDayTooltip)) << "the work after the first frame is still to come";
    Select(1);
    Click(IDC_DESIGN_DOWN);
    ASSERT_TRUE(PumpUntil([] { return TooltipHandle(kDayTooltip) != nullptr; }));
    Click(IDOK);
    EXPECT_EQ(std::to_string(kColours[2]), DesignColour(2));
    EXPECT_EQ(std::to_string(kColours[1]), DesignColour(3));
}

TEST_F(DesignList, MovesSwapDesignsAndStopAtTheEnds)
{
    Start(5, 5);
    Open();
    Click(IDC_DESIGN_DOWN);
    EXPECT_EQ(4, Selection()) << "the last design goes no further down";
    Click(IDC_DESIGN_UP);
    Click(IDC_DESIGN_UP);
    EXPECT_EQ(2, Selection());
    EXPECT_EQ(kColours[4], Preview()) << "the moved design is still the one shown";
    Click(IDOK);
    EXPECT_EQ(std::to_string(kColours[4]), DesignColour(3));
    EXPECT_EQ(std::to_string(kColours[2]), DesignColour(4));
    EXPECT_EQ(std::to_string(kColours[3]), DesignColour(5));
    EXPECT_EQ(std::to_string(kColours[0]), DesignColour(1));
    EXPECT_EQ("3", Read("REGIST", "CURRENT"));
    EXPECT_EQ(kColours[4], Calendar());

    Open();
    Select(0);
    Click(IDC_DESIGN_UP);
    EXPECT_EQ(0, Selection()) << "the first design goes no further up";
    Click(IDCANCEL);
}

TEST_F(DesignList, CancelAndTheCloseBoxLeavePelmoIniAsItWasAndTheClockRunning)
{
    Start(3, 2);
    const std::string before = ReadWholeFile(Path("pelmo.ini"));
    Open();
    Select(0);
    Click(IDC_DESIGN_DOWN);
    EXPECT_TRUE(Delete(IDYES));
    Click(IDCANCEL);
    EXPECT_EQ(before, ReadWholeFile(Path("pelmo.ini")));
    EXPECT_TRUE(IsWindowEnabled(calendar_));
    EXPECT_EQ(kColours[1], Calendar());

    // The clock runs again: a new minute repaints the calendar.
    const unsigned refreshes = CalendarRefreshCount();
    DateTime later = ReadClock();
    later.minute = (uint16_t)((later.minute + 1) % 60);
    standIns_.PinClock(later);
    EXPECT_TRUE(PumpUntil([&] { return CalendarRefreshCount() != refreshes; }));
    EXPECT_LT(refreshes, CalendarRefreshCount());

    Open();
    EXPECT_EQ(3, SendMessageA(Entries(), LB_GETCOUNT, 0, 0)) << "temp.ini is copied afresh";
    SendMessageA(list_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(list_));
    EXPECT_TRUE(IsWindowEnabled(calendar_));
    EXPECT_EQ(before, ReadWholeFile(Path("pelmo.ini")));
}

TEST_F(DesignList, DeletingEveryDesignKeepsTheLookAndTheOtherSections)
{
    Start(3, 2);
    Open();
    EXPECT_TRUE(Delete(IDNO));
    EXPECT_TRUE(Delete(IDNO));
    ASSERT_EQ(3, SendMessageA(Entries(), LB_GETCOUNT, 0, 0)) << "No deletes nothing";
    // The question is asked until it is answered Yes, then never again.
    EXPECT_TRUE(Delete(IDYES));
    EXPECT_EQ(2, SendMessageA(Entries(), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(1, Selection());
    EXPECT_EQ(kColours[2], Preview()) << "the former design 3 moved into its place";
    EXPECT_FALSE(Delete(IDYES));
    EXPECT_FALSE(Usable(IDC_AUTO_CHANGE));
    EXPECT_FALSE(Usable(IDC_DESIGN_UP));
    EXPECT_FALSE(Delete(IDYES));
    EXPECT_EQ(0, SendMessageA(Entries(), LB_GETCOUNT, 0, 0));
    Click(IDOK);

    EXPECT_EQ("0", Read("REGIST", "SUM"));
    EXPECT_EQ("0", Read("REGIST", "CURRENT"));
    EXPECT_EQ("", DesignColour(1));
    EXPECT_EQ(std::to_string(kColours[1]), Read("BGBRUSH", "COLOR"));
    EXPECT_EQ(kColours[1], Calendar());
    EXPECT_EQ("20", Read("POSITION", "LEFT"));
    EXPECT_EQ("19", Read("EDITOR", "FONTSIZE"));
    EXPECT_EQ("0", Read("SHELLLINK", "STARTUP"));
    EXPECT_TRUE(GetMenuState(ContextMenu(), IDM_DESIGN_CHOOSE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(DesignList, AutomaticChangeControlsKeepAChoiceAndOkStoresThem)
{
    Start(2, 1);
    Open();
    EXPECT_TRUE(Usable(IDC_AUTO_CHANGE));
    EXPECT_FALSE(Usable(IDC_AUTO_HOURLY));
    Click(IDC_AUTO_CHANGE);
    EXPECT_TRUE(Usable(IDC_AUTO_HOURLY));
    EXPECT_TRUE(Checked(IDC_AUTO_AT_STARTUP));
    EXPECT_TRUE(Checked(IDC_AUTO_LIST_ORDER));
    Click(IDC_AUTO_HOURLY);
    Click(IDC_AUTO_AT_STARTUP);
    EXPECT_TRUE(Checked(IDC_AUTO_HOURLY)) << "one occasion stays chosen";
    EXPECT_FALSE(Checked(IDC_AUTO_AT_STARTUP));
    Click(IDC_AUTO_HOURLY);
    EXPECT_TRUE(Checked(IDC_AUTO_AT_STARTUP));
    Click(IDC_AUTO_HOURLY);
    Click(IDC_AUTO_RANDOM);
    Click(IDOK);
    EXPECT_EQ("1", Read("AUTOCHANGE", "CHANGE"));
    EXPECT_EQ("150", Read("AUTOCHANGE", "TIMING"));
    EXPECT_EQ("400", Read("AUTOCHANGE", "ORDER"));

    // Opened again, the controls show what is stored; with one design left
    // OK switches automatic change off.
    Open();
    EXPECT_TRUE(Checked(IDC_AUTO_CHANGE));
    EXPECT_TRUE(Checked(IDC_AUTO_HOURLY));
    EXPECT_TRUE(Checked(IDC_AUTO_RANDOM));
    EXPECT_TRUE(Delete(IDYES));
    Click(IDOK);
    EXPECT_EQ("0", Read("AUTOCHANGE", "CHANGE"));
    EXPECT_EQ("150", Read("AUTOCHANGE", "TIMING"));
}

TEST_F(DesignList, ATransparentDesignIsPreviewedOnTheButtonFace)
{
    Prepare(2, 1);
    Write("DESIGN002", "BGBRUSH_TRANSPARENT", "1");
    Launch();
    Open();
    Select(1);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Preview());
    Click(IDCANCEL);
}

TEST_F(DesignList, AFailedReplacementTellsTheUserAndKeepsPelmoIni)
{
    Start(3, 1);
    const std::string before = ReadWholeFile(Path("pelmo.ini"));
    Open();
    Select(2);
    HANDLE held = CreateFileA(Path("pelmo.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    DialogWatch watch = {};
    watch.press = IDOK;
    HANDLE watcher = StartDialogWatch(&watch);
    Click(IDOK);
    EndDialogWatch(watcher, &watch);
    CloseHandle(held);
    EXPECT_NE(std::string::npos, watch.seen.texts.find("保存できませんでした"));
    EXPECT_TRUE(IsWindowVisible(list_)) << "the changes are kept to try again";
    EXPECT_EQ(before, ReadWholeFile(Path("pelmo.ini")));
    Click(IDOK);
    EXPECT_EQ("3", Read("REGIST", "CURRENT"));
    EXPECT_EQ(kColours[2], Calendar());
}

TEST_F(DesignList, UnregisteredChangesAreOfferedForRegisteringFirst)
{
    Prepare(2, 1);
    Write("REGIST", "CHANGE", "1");
    Launch();
    DialogWatch watch = {};
    watch.press = IDYES;
    HANDLE watcher = StartDialogWatch(&watch);
    Open();
    EndDialogWatch(watcher, &watch);
    EXPECT_EQ("Information", watch.seen.caption);
    EXPECT_FALSE(IsWindowVisible(list_));
    EXPECT_TRUE(IsWindowEnabled(calendar_));

    DialogWatch declined = {};
    declined.press = IDNO;
    watcher = StartDialogWatch(&declined);
    Open();
    EndDialogWatch(watcher, &declined);
    EXPECT_TRUE(IsWindowVisible(list_));
    Click(IDCANCEL);
}

// The calendar started at 10:59:30 changes at the first tick of 11:00, in
// list order; after OK of the list at a new hour the choice is kept once.
TEST_F(DesignList, TheHourlyChangeRunsOnTheClockAndKeepsAFreshChoiceOnce)
{
    DateTime now = {2026, 12, 1, 7, 10, 59, 30, 0};
    standIns_.PinClock(now);
    Prepare(3, 1);
    Write("AUTOCHANGE", "CHANGE", "1");
    Write("AUTOCHANGE", "TIMING", "200");
    Write("AUTOCHANGE", "ORDER", "300");
    Launch();
    EXPECT_EQ("1", Read("REGIST", "CURRENT")) << "no change at start-up for hourly only";

    now.hour = 11;
    now.minute = 0;
    now.second = 1;
    standIns_.PinClock(now);
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_EQ("2", Read("REGIST", "CURRENT"));
    EXPECT_EQ(kColours[1], Calendar());
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_EQ("2", Read("REGIST", "CURRENT")) << "once per hour";

    Open();
    Select(0);
    now.hour = 12;
    standIns_.PinClock(now);
    Click(IDOK);
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_EQ("1", Read("REGIST", "CURRENT")) << "the chosen design is kept once";
    now.hour = 13;
    standIns_.PinClock(now);
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_EQ("2", Read("REGIST", "CURRENT"));
}

}   // namespace

namespace {

// Settings in force that are not the current design call the start-up
// change off; the notice comes once the calendar is on the screen.
TEST_F(DesignList, AStartupChangeOverUnregisteredSettingsIsCalledOffWithANotice)
{
    Prepare(2, 1);
    WriteBrushKeys(kSettingsFile, BS_SOLID, RGB(1, 2, 3), 0);
    Write("AUTOCHANGE", "CHANGE", "1");
    Write("AUTOCHANGE", "TIMING", "100");
    Write("AUTOCHANGE", "ORDER", "300");
    Launch();
    EXPECT_EQ("1", Read("REGIST", "CURRENT"));
    DialogWatch watch = {};
    watch.act = [](HWND, DialogWatch*) {};   // it closes by itself
    HANDLE watcher = StartDialogWatch(&watch);
    PumpUntil([&] { return watch.seen.dialog != nullptr; });
    EndDialogWatch(watcher, &watch);
    EXPECT_NE(std::string::npos, watch.seen.texts.find("デザイン自動変更が中止されました"));
    EXPECT_EQ("1", Read("REGIST", "CURRENT"));
    EXPECT_EQ(RGB(1, 2, 3), Calendar());
}

}   // namespace

namespace {

// Keys as the message loop hands them over: Tab moves on, Escape cancels,
// Return is left to the control that has the focus.
TEST_F(DesignList, TabMovesBetweenTheControlsAndEscapeCancels)
{
    Start(2, 1);
    const std::string before = ReadWholeFile(Path("pelmo.ini"));
    Open();
    SetFocus(Entries());
    MSG key = {Entries(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDesignListMessage(&key));
    EXPECT_EQ(GetDlgItem(list_, IDC_DESIGN_UP), GetFocus());
    key = {GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_FALSE(IsDesignListMessage(&key));
    EXPECT_TRUE(IsWindowVisible(list_));
    key = {GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDesignListMessage(&key));
    EXPECT_FALSE(IsWindowVisible(list_));
    EXPECT_TRUE(IsWindowEnabled(calendar_));
    EXPECT_EQ(before, ReadWholeFile(Path("pelmo.ini")));
    EXPECT_FALSE(IsDesignListMessage(&key)) << "a hidden list takes no keys";
}

// A picture design whose picture is gone is previewed on the fallback
// colour, and moving it keeps its picture all the same.
TEST_F(DesignList, MovingAPictureDesignWhoseFileIsGoneKeepsItsPicture)
{
    Prepare(3, 1);
    const std::string gone = Path("gone.bmp");
    Write("DESIGN002", "BGBRUSH_STYLE", "3");
    Write("DESIGN002", "BGBRUSH_BITMAP", gone);
    Launch();
    Open();
    Select(1);
    EXPECT_EQ(RGB(0xE1, 0xFF, 0xFF), Preview());
    Click(IDC_DESIGN_DOWN);
    Click(IDOK);
    EXPECT_EQ(gone, Read("DESIGN003", "BGBRUSH_BITMAP"));
    EXPECT_EQ("3", Read("DESIGN003", "BGBRUSH_STYLE"));
    EXPECT_EQ(std::to_string(kColours[2]), DesignColour(2));
}

// OK keeps the file it replaces, whole, as pelmo.ini.bak.
TEST_F(DesignList, OkKeepsTheReplacedFileAsABackup)
{
    Start(3, 1);
    const std::string before = ReadWholeFile(Path("pelmo.ini"));
    Open();
    EXPECT_TRUE(Delete(IDYES));
    Click(IDOK);
    EXPECT_EQ("2", Read("REGIST", "SUM"));
    EXPECT_EQ(before, ReadWholeFile(Path("pelmo.ini.bak")));
}

// A pelmo.ini made read-only after the start takes no registration: the
// user is told, no success is claimed, and the count stays that of the
// designs the file holds.
TEST_F(DesignList, RegisteringIntoAReadOnlyFileSaysSoAndCountsNothing)
{
    Start(3, 1);
    const std::string before = ReadWholeFile(Path("pelmo.ini"));
    ASSERT_TRUE(SetFileAttributesA(Path("pelmo.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    const std::vector<DialogSeen> seen =
        AnswerDialogs([&] { SendMessageA(calendar_, WM_COMMAND, IDM_DESIGN_NEW, 0); },
                      [](const DialogSeen&) -> WPARAM { return IDOK; });
    ASSERT_EQ(1u, seen.size());
    EXPECT_NE(std::string::npos, seen[0].texts.find("保存できませんでした"));
    ASSERT_TRUE(SetFileAttributesA(Path("pelmo.ini").c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(before, ReadWholeFile(Path("pelmo.ini")));
    Open();
    EXPECT_EQ(3, SendMessageA(Entries(), LB_GETCOUNT, 0, 0));
    Click(IDOK);
    EXPECT_EQ("3", Read("REGIST", "SUM"));
}

// While a picture's message is up the list's preview is not finished: a
// design deleted meanwhile must come through untouched, and so must the
// design renumbered into its place.
HWND s_listDuringMessage = nullptr;

int WINAPI DeleteDuringMessage(HWND, LPCSTR, LPCSTR, UINT)
{
    HWND list = s_listDuringMessage;
    s_listDuringMessage = nullptr;   // only the first message deletes
    if (list) {
        AnswerDialogs([&] { SendMessageA(list, WM_COMMAND, IDC_DESIGN_DELETE, 0); },
                      [](const DialogSeen&) -> WPARAM { return IDYES; });
    }
    return IDOK;
}

TEST_F(DesignList, ADeletionWhileAPicturesMessageIsUpDamagesNoDesign)
{
    Prepare(3, 1);
    Write("DESIGN002", "BGBRUSH_STYLE", "3");
    Write("DESIGN002", "BGBRUSH_ORGFILE", Path("gone.png"));
    Write("DESIGN003", "BGBRUSH_STYLE", "3");
    Write("DESIGN003", "BGBRUSH_BITMAP", Path("wall.bmp"));
    Launch();
    Open();
    s_listDuringMessage = list_;
    standIns_.Put(&SystemCalls::messageBox, DeleteDuringMessage);
    Select(1);
    ASSERT_EQ(2, SendMessageA(Entries(), LB_GETCOUNT, 0, 0)) << "the deletion took place";
    EXPECT_EQ(1, Selection());
    EXPECT_EQ(RGB(0xE1, 0xFF, 0xFF), Preview())
        << "the design now there, its picture gone, not the deleted one";
    Click(IDOK);
    EXPECT_EQ(Path("wall.bmp"), Read("DESIGN002", "BGBRUSH_BITMAP"));
    EXPECT_EQ("", Read("DESIGN003", "BGBRUSH_BITMAP"));
}

}   // namespace
