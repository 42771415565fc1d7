// Every step that writes settings, on a volume filled to the last byte (a
// small one of its own, see tests/tools/with-small-volume): nothing is
// lost, pelmo.ini stays byte for byte as it was, the user is told once, and
// the same step succeeds once there is room again.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "settings/settings_edit.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"

namespace {

bool IsSaveFailure(const DialogSeen& seen)
{
    return seen.texts.find("保存できませんでした") != std::string::npos;
}

int SaveFailures(const std::vector<DialogSeen>& seen)
{
    int failures = 0;
    for (const DialogSeen& one : seen) {
        failures += IsSaveFailure(one) ? 1 : 0;
    }
    return failures;
}

// The deletion's question is answered Yes, everything else OK.
WPARAM YesToQuestions(const DialogSeen& seen)
{
    return seen.caption.find("リスト") == 0 ? IDYES : IDOK;
}

class DesignListOnFullDisk : public CalendarTest {
protected:
    bool OnSmallVolume() const override { return true; }

    std::vector<DialogSeen> Press(int id)
    {
        return AnswerDialogs([&] { Click(id); }, YesToQuestions);
    }

    int Count() { return (int)SendMessageA(Entries(), LB_GETCOUNT, 0, 0); }
};

TEST_F(DesignListOnFullDisk, DeletionAndOkKeepEveryDesignAndSaySo)
{
    Start(3, 2);
    const std::string before = ReadWholeFile(Path(kSettingsFile));
    Open();
    Select(0);
    ASSERT_TRUE(FillVolume(folder_));
    const std::vector<DialogSeen> deleting = Press(IDC_DESIGN_DELETE);
    EXPECT_EQ(1, SaveFailures(deleting));
    EXPECT_EQ(3, Count()) << "the list is as it was";
    EXPECT_EQ(std::to_string(kColours[1]), DesignColour(2));

    FreeVolume(folder_);
    EXPECT_EQ(0, SaveFailures(Press(IDC_DESIGN_DELETE)));
    EXPECT_EQ(2, Count());
    ASSERT_TRUE(FillVolume(folder_));
    EXPECT_EQ(1, SaveFailures(Press(IDOK)));
    EXPECT_TRUE(IsWindowVisible(list_)) << "open, to try again or cancel";
    EXPECT_EQ(before, ReadWholeFile(Path(kSettingsFile)));

    FreeVolume(folder_);
    EXPECT_EQ(0, SaveFailures(Press(IDOK)));
    EXPECT_FALSE(IsWindowVisible(list_));
    EXPECT_EQ("2", Read("REGIST", "SUM"));
    EXPECT_EQ(before, ReadWholeFile(Path("pelmo.ini.bak"))) << "one step back";
}

class CalendarOnFullDisk : public CalendarTest {
protected:
    bool OnSmallVolume() const override { return true; }

    std::vector<DialogSeen> Command(WPARAM command, LPARAM lParam = 0, UINT message = WM_COMMAND)
    {
        return AnswerDialogs([&] { SendMessageA(calendar_, message, command, lParam); },
                             [](const DialogSeen&) -> WPARAM { return IDOK; });
    }
};

TEST_F(CalendarOnFullDisk, RegisteringAndApplyingSaveNothingAndSaySo)
{
    Start(3, 1);
    Write("TODAY", "COLOR", "123");   // something for the overwrite to store
    const std::string before = ReadWholeFile(Path(kSettingsFile));
    ASSERT_TRUE(FillVolume(folder_));
    std::vector<DialogSeen> seen = Command(IDM_DESIGN_NEW);
    ASSERT_EQ(1u, seen.size()) << "the failure, and no notice of success";
    EXPECT_TRUE(IsSaveFailure(seen[0]));
    EXPECT_EQ(1, SaveFailures(Command(IDM_DESIGN_OVERWRITE)));
    EXPECT_EQ(1, SaveFailures(Command(2, 3, WM_PELMO_APPLY_DESIGN)));
    EXPECT_EQ(before, ReadWholeFile(Path(kSettingsFile)));

    // The count never ran ahead of the designs written.
    FreeVolume(folder_);
    seen = Command(IDM_DESIGN_NEW);
    ASSERT_EQ(1u, seen.size());
    EXPECT_FALSE(IsSaveFailure(seen[0]));
    EXPECT_EQ("4", Read("REGIST", "SUM"));
    EXPECT_EQ("4", Read("REGIST", "CURRENT"));
}

TEST_F(CalendarOnFullDisk, ExitCanBeTriedAgainOnceThereIsRoom)
{
    Start(2, 1);
    MoveWindow(calendar_, 40, 30, 220, 230, TRUE);
    const std::string before = ReadWholeFile(Path(kSettingsFile));
    ASSERT_TRUE(FillVolume(folder_));
    int asked = 0;
    std::string whileFull;
    const std::vector<DialogSeen> seen = AnswerDialogs([&] { Stop(); },
                                                       [&](const DialogSeen&) -> WPARAM {
                                                           if (++asked == 2) {
                                                               whileFull = ReadWholeFile(Path(kSettingsFile));
                                                               FreeVolume(folder_);
                                                           }
                                                           return IDRETRY;
                                                       });
    EXPECT_EQ(2, SaveFailures(seen));
    EXPECT_EQ(before, whileFull);
    EXPECT_EQ("40", Read("POSITION", "LEFT"));
    EXPECT_EQ("0", Read("SHELLLINK", "STARTUP")) << "the flags saved with the rest";
}

TEST_F(CalendarOnFullDisk, ExitWithoutSavingKeepsTheFile)
{
    Start(2, 1);
    MoveWindow(calendar_, 40, 30, 220, 230, TRUE);
    const std::string before = ReadWholeFile(Path(kSettingsFile));
    ASSERT_TRUE(FillVolume(folder_));
    const std::vector<DialogSeen> seen = AnswerDialogs([&] { Stop(); },
                                                       [](const DialogSeen&) -> WPARAM { return IDCANCEL; });
    EXPECT_EQ(1, SaveFailures(seen));
    EXPECT_EQ(before, ReadWholeFile(Path(kSettingsFile)));
}

}   // namespace
