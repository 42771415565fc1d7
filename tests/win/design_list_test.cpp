// The design list window opened from the running calendar: the preview,
// moves, deletions, OK and Cancel against pelmo.ini, the automatic-change
// controls, and the hourly change the calendar then runs by itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "dialogs/design_list.h"
#include "res/resource.h"
#include "platform/clock.h"
#include "design/design_registry.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "shell/calendar_window.h"
#include "shell/context_menu.h"
#include "tests/win/test_support.h"

namespace {

const COLORREF kColours[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 40, 200),
                             RGB(200, 200, 40), RGB(40, 200, 200)};
// Inside the preview's title row, away from its text.
const int kPreviewX = 114;
const int kPreviewY = 33;

class DesignList : public AppFolderTest {
protected:
    HWND owner_ = nullptr;
    HWND calendar_ = nullptr;
    HWND list_ = nullptr;

    // count designs of the colours above, registered by the program's own
    // registry so that each holds all its keys; current is in force.
    void Prepare(uint32_t count, uint32_t current)
    {
        Write("SHELLLINK", "STARTUP", "0");
        Write("POSITION", "LEFT", "20");
        Write("EDITOR", "FONTSIZE", "19");
        DesignRecord record = {};
        ReadFormatSection(kSettingsFile, &record);
        ReadFontSection(kSettingsFile, &record);
        for (uint32_t n = 1; n <= count; ++n) {
            const BrushTriple brush = {BS_SOLID, kColours[n - 1], 0};
            WriteBrushSection(kSettingsFile, brush.style, brush.color, brush.hatch);
            ASSERT_TRUE(RegisterDesign(record, brush, RegistryValues{n, n, 0}));
        }
        WriteBrushSection(kSettingsFile, BS_SOLID, kColours[current - 1], 0);
        Write("REGIST", "CURRENT", std::to_string(current));
    }

    void Launch()
    {
        calendar_ = StartCalendar(&owner_);
        ASSERT_NE(nullptr, calendar_);
        list_ = FindWindowA(PELMO_DESIGN_LIST_CLASS, nullptr);
        ASSERT_NE(nullptr, list_);
    }

    void Start(uint32_t count, uint32_t current)
    {
        Prepare(count, current);
        Launch();
    }

    void TearDown() override
    {
        SetClockForTests(nullptr);
        if (calendar_) {
            StopCalendar(owner_, calendar_);
        }
        AppFolderTest::TearDown();
    }

    void Write(const char* section, const char* key, const std::string& value)
    {
        WritePrivateProfileStringA(section, key, value.c_str(), Path("pelmo.ini").c_str());
    }

    std::string Read(const char* section, const char* key, const char* file = "pelmo.ini")
    {
        char text[MAX_PATH] = {};
        GetPrivateProfileStringA(section, key, "", text, sizeof text, Path(file).c_str());
        return text;
    }

    std::string DesignColour(int n)
    {
        char section[16];
        snprintf(section, sizeof section, "DESIGN%03d", n);
        return Read(section, "BGBRUSH_COLOR");
    }

    void Open() { SendMessageA(calendar_, WM_COMMAND, IDM_DESIGN_CHOOSE, 0); }
    void Click(int id) { SendMessageA(GetDlgItem(list_, id), BM_CLICK, 0, 0); }
    bool Checked(int id) { return IsDlgButtonChecked(list_, id) == BST_CHECKED; }
    bool Usable(int id) { return IsWindowEnabled(GetDlgItem(list_, id)) != FALSE; }
    HWND Entries() { return GetDlgItem(list_, IDC_DESIGN_LIST); }
    int Selection() { return (int)SendMessageA(Entries(), LB_GETCURSEL, 0, 0); }

    void Select(int index)
    {
        SendMessageA(Entries(), LB_SETCURSEL, index, 0);
        SendMessageA(list_, WM_COMMAND, MAKEWPARAM(IDC_DESIGN_LIST, LBN_SELCHANGE),
                     (LPARAM)Entries());
    }

    COLORREF Preview() { return WindowPixel(list_, kPreviewX, kPreviewY); }
    COLORREF Calendar() { return WindowPixel(calendar_, 2, 2); }

    // Presses the delete button; the question, if any, is answered answer.
    bool Delete(WPARAM answer)
    {
        DialogWatch watch = {};
        watch.press = answer;
        HANDLE watcher = StartDialogWatch(&watch);
        Click(IDC_DESIGN_DELETE);
        EndDialogWatch(watcher, &watch);
        return watch.seen.dialog != nullptr;
    }
};

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

    Select(0);
    EXPECT_EQ(kColours[0], Preview());
    EXPECT_EQ(kColours[2], Calendar()) << "a preview changes the calendar nothing";
    EXPECT_EQ("3", Read("REGIST", "CURRENT"));
    EXPECT_EQ("1", Read("REGIST", "CURRENT", "temp.ini"));

    Click(IDOK);
    EXPECT_FALSE(IsWindowVisible(list_));
    EXPECT_TRUE(IsWindowEnabled(calendar_));
    EXPECT_EQ("1", Read("REGIST", "CURRENT"));
    EXPECT_EQ(kColours[0], Calendar());
    EXPECT_EQ("20", Read("POSITION", "LEFT"));
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
    SetClockForTests(&later);
    const DWORD until = GetTickCount() + 2500;
    MSG msg;
    while (CalendarRefreshCount() == refreshes && GetTickCount() < until) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
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
    EXPECT_NE(std::string::npos, watch.seen.texts.find("pelmo.ini"));
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

    watch = {};
    watch.press = IDNO;
    watcher = StartDialogWatch(&watch);
    Open();
    EndDialogWatch(watcher, &watch);
    EXPECT_TRUE(IsWindowVisible(list_));
    Click(IDCANCEL);
}

// The calendar started at 10:59:30 changes at the first tick of 11:00, in
// list order; after OK of the list at a new hour the choice is kept once.
TEST_F(DesignList, TheHourlyChangeRunsOnTheClockAndKeepsAFreshChoiceOnce)
{
    DateTime now = {2026, 12, 1, 7, 10, 59, 30, 0};
    SetClockForTests(&now);
    Prepare(3, 1);
    Write("AUTOCHANGE", "CHANGE", "1");
    Write("AUTOCHANGE", "TIMING", "200");
    Write("AUTOCHANGE", "ORDER", "300");
    Launch();
    EXPECT_EQ("1", Read("REGIST", "CURRENT")) << "no change at start-up for hourly only";

    now.hour = 11;
    now.minute = 0;
    now.second = 1;
    SetClockForTests(&now);
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_EQ("2", Read("REGIST", "CURRENT"));
    EXPECT_EQ(kColours[1], Calendar());
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_EQ("2", Read("REGIST", "CURRENT")) << "once per hour";

    Open();
    Select(0);
    now.hour = 12;
    SetClockForTests(&now);
    Click(IDOK);
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_EQ("1", Read("REGIST", "CURRENT")) << "the chosen design is kept once";
    now.hour = 13;
    SetClockForTests(&now);
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_EQ("2", Read("REGIST", "CURRENT"));
}

}  // namespace

namespace {

// Settings in force that are not the current design call the start-up
// change off; the notice comes once the calendar is on the screen.
TEST_F(DesignList, AStartupChangeOverUnregisteredSettingsIsCalledOffWithANotice)
{
    Prepare(2, 1);
    WriteBrushSection(kSettingsFile, BS_SOLID, RGB(1, 2, 3), 0);
    Write("AUTOCHANGE", "CHANGE", "1");
    Write("AUTOCHANGE", "TIMING", "100");
    Write("AUTOCHANGE", "ORDER", "300");
    Launch();
    EXPECT_EQ("1", Read("REGIST", "CURRENT"));
    DialogWatch watch = {};
    watch.act = [](HWND, DialogWatch*) {};   // it closes by itself
    HANDLE watcher = StartDialogWatch(&watch);
    const DWORD until = GetTickCount() + 8000;
    MSG msg;
    while (!watch.seen.dialog && GetTickCount() < until) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
    EndDialogWatch(watcher, &watch);
    EXPECT_NE(std::string::npos, watch.seen.texts.find("デザイン自動変更が中止されました"));
    EXPECT_EQ("1", Read("REGIST", "CURRENT"));
    EXPECT_EQ(RGB(1, 2, 3), Calendar());
}

}  // namespace

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

}  // namespace
