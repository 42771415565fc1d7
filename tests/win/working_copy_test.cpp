// The design list window's working copy against the real profile API in a
// private folder: deleting and renumbering, swapping as stored, and the
// reset of an emptied list.
#include <gtest/gtest.h>
#include <windows.h>
#include <initializer_list>
#include <string>

#include "design/design_registry.h"
#include "settings/settings_file.h"
#include "design/working_copy.h"
#include "tests/win/test_support.h"

namespace {

struct Where {
    const char* section;
    const char* key;
};

// The values of temp.ini at the given places, each followed by "/".
std::string Keys(std::initializer_list<Where> places)
{
    std::string text;
    for (const Where& place : places) {
        char value[kPicturePathSize];
        ReadSettingString(kWorkingFile, place.section, place.key, "<absent>", value, sizeof value);
        text += std::string(value) + "/";
    }
    return text;
}

// Colour and face name of designs 1 to count + 1 of temp.ini; each design n
// is made with colour n and face "face n".
std::string Designs(uint32_t count)
{
    std::string text;
    for (uint32_t n = 1; n <= count + 1; ++n) {
        char section[kDesignSectionSize];
        DesignSectionName(n, section, sizeof section);
        text += Keys({{section, "BGBRUSH_COLOR"}, {section, "FONT_FACENAME"}}) + " ";
    }
    return text;
}

class WorkingCopy : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        std::string file =
            "[POSITION]\r\nLEFT=12\r\n[EDITOR]\r\nFONTHEIGHT=22\r\n[TOOLTIP]\r\nWIDTH=280\r\n"
            "[SHELLLINK]\r\nSTARTUP=1\r\n[EXTRA]\r\nNOTE=kept\r\n[BGBRUSH]\r\nSTYLE=2\r\nHATCH=3\r\n"
            "[REGIST]\r\nSUM=4\r\nCURRENT=3\r\nCHANGE=1\r\n[AUTOCHANGE]\r\nCHANGE=1\r\n";
        for (int n = 1; n <= 4; ++n) {
            file += "[DESIGN00" + std::to_string(n) +
                    "]\r\nBGBRUSH_STYLE=0\r\nBGBRUSH_COLOR=" + std::to_string(n) + "\r\nFONT_FACENAME=face" +
                    std::to_string(n) + "\r\n";
        }
        ASSERT_TRUE(WriteWholeFile(Path("temp.ini"), file));
    }

    void ExpectUnrelatedSectionsKept()
    {
        EXPECT_EQ("12/22/280/1/kept/2/3/", Keys({{"POSITION", "LEFT"},
                                                 {"EDITOR", "FONTHEIGHT"},
                                                 {"TOOLTIP", "WIDTH"},
                                                 {"SHELLLINK", "STARTUP"},
                                                 {"EXTRA", "NOTE"},
                                                 {"BGBRUSH", "STYLE"},
                                                 {"BGBRUSH", "HATCH"}}));
        EXPECT_FALSE(PathExists(Path("temp.ini.new")));
    }
};

TEST_F(WorkingCopy, DeletingRenumbersTheRestAndKeepsEverySectionNoDesignOwns)
{
    // A design's own unknown keys and lines go with it; a design beyond the
    // count belongs to no list and stays as it is.
    ASSERT_TRUE(WriteSettingString(kWorkingFile, "DESIGN003", "MY_NOTE", "mine"));
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, "DESIGN008", "BGBRUSH_COLOR", 8));
    uint32_t count = 4;
    ASSERT_TRUE(DeleteDesign(kWorkingFile, 2, &count));
    EXPECT_EQ(3u, count);
    EXPECT_EQ("1/face1/ 3/face3/ 4/face4/ <absent>/<absent>/ ", Designs(3));
    EXPECT_EQ("mine/8/", Keys({{"DESIGN002", "MY_NOTE"}, {"DESIGN008", "BGBRUSH_COLOR"}}));
    // Absent TIMING and ORDER are carried as the start-up reads them, absent
    // design keys as their design defaults.
    EXPECT_EQ("3/2/0/1/100/300/", Keys({{"REGIST", "SUM"},
                                        {"REGIST", "CURRENT"},
                                        {"REGIST", "CHANGE"},
                                        {"AUTOCHANGE", "CHANGE"},
                                        {"AUTOCHANGE", "TIMING"},
                                        {"AUTOCHANGE", "ORDER"}}));
    EXPECT_EQ("no key value/65535/", Keys({{"DESIGN002", "BGBRUSH_BITMAP"}, {"DESIGN002", "TODAY_COLOR"}}));
    ExpectUnrelatedSectionsKept();

    ASSERT_TRUE(DeleteDesign(kWorkingFile, 3, &count));   // the last one
    EXPECT_EQ("1/face1/ 3/face3/ <absent>/<absent>/ ", Designs(2));
    EXPECT_FALSE(DeleteDesign(kWorkingFile, 0, &count));
    EXPECT_FALSE(DeleteDesign(kWorkingFile, 3, &count));
    ASSERT_TRUE(DeleteDesign(kWorkingFile, 1, &count));
    ASSERT_TRUE(DeleteDesign(kWorkingFile, 1, &count));
    EXPECT_FALSE(DeleteDesign(kWorkingFile, 1, &count));
    EXPECT_EQ(0u, count);
    EXPECT_EQ("<absent>/<absent>/ ", Designs(0));
    EXPECT_EQ("0/0/8/", Keys({{"REGIST", "SUM"}, {"REGIST", "CURRENT"}, {"DESIGN008", "BGBRUSH_COLOR"}}));
    ExpectUnrelatedSectionsKept();
}

// A count written short of the sections (by hand, or by an older version
// whose write of a design failed) lists fewer designs than the file holds:
// those it does not list are not the list's to drop.
TEST_F(WorkingCopy, DesignsBeyondTheCountSurviveADeletion)
{
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, "REGIST", "SUM", 2));
    uint32_t count = 2;
    ASSERT_TRUE(DeleteDesign(kWorkingFile, 1, &count));
    EXPECT_EQ(1u, count);
    EXPECT_EQ("2/face2/ <absent>/<absent>/ 3/face3/ 4/face4/ ", Designs(3));
    EXPECT_EQ("1/", Keys({{"REGIST", "SUM"}}));
}

TEST_F(WorkingCopy, DamagedRegistryValuesAndMissingSectionsReadAsDefaults)
{
    ASSERT_TRUE(WriteSettingString(kWorkingFile, "REGIST", "SUM", "x"));
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, "REGIST", "CURRENT", 7));
    ASSERT_TRUE(WriteSettingString(kWorkingFile, "DESIGN003", "BGBRUSH_COLOR", "junk"));
    uint32_t count = 6;   // designs 5 and 6 have no sections
    ASSERT_TRUE(DeleteDesign(kWorkingFile, 1, &count));
    EXPECT_EQ(5u, count);
    EXPECT_EQ("0/6/<absent>/",
              Keys({{"REGIST", "SUM"}, {"REGIST", "CURRENT"}, {"DESIGN005", "BGBRUSH_STYLE"}}));
    EXPECT_EQ("2/face2/ 0/face3/ 4/face4/ <absent>/<absent>/ <absent>/<absent>/ <absent>/<absent>/ ",
              Designs(5));
    ExpectUnrelatedSectionsKept();
}

TEST_F(WorkingCopy, MovesSwapNeighboursAsStoredAndAnEmptiedListKeepsTheLookInForce)
{
    const std::string before = ReadWholeFile(Path(kWorkingFile));
    ASSERT_TRUE(WriteSettingString(kWorkingFile, "DESIGN004", "MY_NOTE", "mine"));
    ASSERT_TRUE(SwapDesigns(kWorkingFile, 4, -1, 4));   // the last design up
    EXPECT_EQ("1/face1/ 2/face2/ 4/face4/ 3/face3/ <absent>/<absent>/ ", Designs(4));
    EXPECT_EQ("mine/<absent>/", Keys({{"DESIGN003", "MY_NOTE"}, {"DESIGN004", "MY_NOTE"}}));
    ASSERT_TRUE(SwapDesigns(kWorkingFile, 1, 1, 4));   // the first down
    EXPECT_EQ("2/face2/ 1/face1/ 4/face4/ 3/face3/ <absent>/<absent>/ ", Designs(4));
    EXPECT_FALSE(SwapDesigns(kWorkingFile, 1, -1, 4));
    EXPECT_FALSE(SwapDesigns(kWorkingFile, 4, 1, 4));
    EXPECT_FALSE(SwapDesigns(kWorkingFile, 1, 2, 4));
    // Moved as they are: no key is added to a design by moving it.
    EXPECT_EQ("<absent>/", Keys({{"DESIGN001", "FORMAT_PARTITION"}}));
    ExpectUnrelatedSectionsKept();
    EXPECT_NE(before, ReadWholeFile(Path(kWorkingFile)));

    ASSERT_TRUE(
        WriteWholeFile(Path("pelmo.ini"), "[BGBRUSH]\r\nSTYLE=1\r\nCOLOR=5\r\n[FONT]\r\nFACENAME=old\r\n"));
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, "DESIGN777", "BGBRUSH_COLOR", 7));   // beyond any count
    ASSERT_TRUE(ResetWorkingCopy(kWorkingFile, kSettingsFile));
    EXPECT_EQ("7/1/5/old/65535/12/", Keys({{"DESIGN777", "BGBRUSH_COLOR"},
                                           {"BGBRUSH", "STYLE"},
                                           {"BGBRUSH", "COLOR"},
                                           {"FONT", "FACENAME"},
                                           {"TODAY", "COLOR"},
                                           {"POSITION", "LEFT"}}));
    EXPECT_EQ("0/0/1/0/0/0/", Keys({{"REGIST", "SUM"},
                                    {"REGIST", "CURRENT"},
                                    {"REGIST", "CHANGE"},
                                    {"AUTOCHANGE", "CHANGE"},
                                    {"AUTOCHANGE", "TIMING"},
                                    {"AUTOCHANGE", "ORDER"}}));
}

}   // namespace
