// The design list window's working copy against the real profile API in a
// private folder: deleting through copy.ini, swapping by copy and store,
// and the reset of an emptied list.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "settings/design_registry.h"
#include "settings/settings_file.h"
#include "settings/working_copy.h"
#include "tests/win/test_support.h"

namespace {

std::string Key(const char* file, const char* section, const char* key)
{
    char text[kPicturePathSize];
    ReadSettingString(file, section, key, "<absent>", text, sizeof text);
    return text;
}

// Each design n is told apart by its colour n and its face name.
void PutDesign(uint32_t n)
{
    char section[kDesignSectionSize];
    ASSERT_TRUE(DesignSectionName(n, section, sizeof section));
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, section, "BGBRUSH_STYLE", 0));
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, section, "BGBRUSH_COLOR", (int32_t)n));
    ASSERT_TRUE(WriteSettingString(kWorkingFile, section, "FONT_FACENAME", ("face" + std::to_string(n)).c_str()));
}

// "colour/face" of each design 1..count of temp.ini, then whether a section
// beyond the count is still there.
std::string Designs(uint32_t count)
{
    std::string text;
    for (uint32_t n = 1; n <= count + 1; ++n) {
        char section[kDesignSectionSize];
        DesignSectionName(n, section, sizeof section);
        text += Key(kWorkingFile, section, "BGBRUSH_COLOR") + "/" + Key(kWorkingFile, section, "FONT_FACENAME") + " ";
    }
    return text;
}

class WorkingCopy : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(WriteWholeFile(Path("temp.ini"),
                                   "[POSITION]\r\nLEFT=12\r\nTOP=34\r\n[EDITOR]\r\nFONTHEIGHT=22\r\n"
                                   "[TOOLTIP]\r\nFONTHEIGHT=15\r\nWIDTH=280\r\n[SHELLLINK]\r\nSTARTUP=1\r\n"
                                   "[EXTRA]\r\nNOTE=kept\r\n[BGBRUSH]\r\nSTYLE=2\r\nCOLOR=99\r\nHATCH=3\r\n"
                                   "[REGIST]\r\nSUM=4\r\nCURRENT=3\r\nCHANGE=1\r\n[AUTOCHANGE]\r\nCHANGE=1\r\n"));
        for (uint32_t n = 1; n <= 4; ++n) {
            PutDesign(n);
        }
    }

    void ExpectUnrelatedSectionsKept()
    {
        EXPECT_EQ("12/34/22", Key(kWorkingFile, "POSITION", "LEFT") + "/" + Key(kWorkingFile, "POSITION", "TOP") +
                                  "/" + Key(kWorkingFile, "EDITOR", "FONTHEIGHT"));
        EXPECT_EQ("15/280/1/kept", Key(kWorkingFile, "TOOLTIP", "FONTHEIGHT") + "/" +
                                       Key(kWorkingFile, "TOOLTIP", "WIDTH") + "/" +
                                       Key(kWorkingFile, "SHELLLINK", "STARTUP") + "/" +
                                       Key(kWorkingFile, "EXTRA", "NOTE"));
        EXPECT_EQ("2/99/3", Key(kWorkingFile, "BGBRUSH", "STYLE") + "/" + Key(kWorkingFile, "BGBRUSH", "COLOR") +
                                "/" + Key(kWorkingFile, "BGBRUSH", "HATCH"));
        EXPECT_FALSE(PathExists(Path("copy.ini")));
        EXPECT_FALSE(PathExists(Path("copy.ini.design")));
    }
};

TEST_F(WorkingCopy, DeletingRenumbersTheRestAndKeepsEverySectionNoDesignOwns)
{
    // A copy.ini left by an interrupted run must not bring its designs back.
    ASSERT_TRUE(WriteWholeFile(Path("copy.ini"), "[DESIGN009]\r\nBGBRUSH_COLOR=9\r\n"));
    // Nor a design beyond the count in temp.ini.
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, "DESIGN008", "BGBRUSH_COLOR", 8));
    uint32_t count = 4;
    ASSERT_TRUE(DeleteDesign(2, &count));
    EXPECT_EQ(3u, count);
    EXPECT_EQ("1/face1 3/face3 4/face4 <absent>/<absent> ", Designs(3));
    EXPECT_EQ("<absent>|<absent>", Key(kWorkingFile, "DESIGN009", "BGBRUSH_COLOR") + "|" +
                                       Key(kWorkingFile, "DESIGN008", "BGBRUSH_COLOR"));
    EXPECT_EQ("3/2/0", Key(kWorkingFile, "REGIST", "SUM") + "/" + Key(kWorkingFile, "REGIST", "CURRENT") + "/" +
                           Key(kWorkingFile, "REGIST", "CHANGE"));
    // Absent TIMING and ORDER are carried as the start-up reads them.
    EXPECT_EQ("1/100/300", Key(kWorkingFile, "AUTOCHANGE", "CHANGE") + "/" +
                               Key(kWorkingFile, "AUTOCHANGE", "TIMING") + "/" +
                               Key(kWorkingFile, "AUTOCHANGE", "ORDER"));
    // Absent keys of a copied design are written with their design defaults.
    EXPECT_EQ("no key value", Key(kWorkingFile, "DESIGN002", "BGBRUSH_BITMAP"));
    EXPECT_EQ("65535", Key(kWorkingFile, "DESIGN002", "TODAY_COLOR"));
    ExpectUnrelatedSectionsKept();

    // The last design: the others unchanged.
    ASSERT_TRUE(DeleteDesign(3, &count));
    EXPECT_EQ("1/face1 3/face3 <absent>/<absent> ", Designs(2));
    ExpectUnrelatedSectionsKept();

    // Numbers outside the list and an empty list change nothing.
    EXPECT_FALSE(DeleteDesign(0, &count));
    EXPECT_FALSE(DeleteDesign(3, &count));
    ASSERT_TRUE(DeleteDesign(1, &count));
    ASSERT_TRUE(DeleteDesign(1, &count));
    EXPECT_EQ(0u, count);
    EXPECT_FALSE(DeleteDesign(1, &count));
    EXPECT_EQ("<absent>/<absent> ", Designs(0));
    EXPECT_EQ("0/0", Key(kWorkingFile, "REGIST", "SUM") + "/" + Key(kWorkingFile, "REGIST", "CURRENT"));
    ExpectUnrelatedSectionsKept();
}

TEST_F(WorkingCopy, DamagedRegistryValuesAndMissingSectionsReadAsDefaults)
{
    ASSERT_TRUE(WriteSettingString(kWorkingFile, "REGIST", "SUM", "x"));
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, "REGIST", "CURRENT", 7));
    ASSERT_TRUE(WriteSettingString(kWorkingFile, "DESIGN003", "BGBRUSH_COLOR", "junk"));
    // The list believes in six designs; 5 and 6 have no sections.
    uint32_t count = 6;
    ASSERT_TRUE(DeleteDesign(1, &count));
    EXPECT_EQ(5u, count);
    EXPECT_EQ("0/6", Key(kWorkingFile, "REGIST", "SUM") + "/" + Key(kWorkingFile, "REGIST", "CURRENT"));
    EXPECT_EQ("2/face2 0/face3 4/face4 16777185/ＭＳ Ｐゴシック 16777185/ＭＳ Ｐゴシック <absent>/<absent> ",
              Designs(5));
    EXPECT_EQ("3", Key(kWorkingFile, "DESIGN005", "BGBRUSH_STYLE"));
    ExpectUnrelatedSectionsKept();
}

// Up on entry i (from 0) as the list window does it: preview i + 1, copy
// design i over it, store the previewed working sections as design i.
void MoveUp(uint32_t i)
{
    char section[kDesignSectionSize];
    DesignSectionName(i + 1, section, sizeof section);
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, "BGBRUSH", "STYLE", 0));
    ASSERT_TRUE(WriteSettingString(kWorkingFile, "BGBRUSH", "COLOR", Key(kWorkingFile, section, "BGBRUSH_COLOR").c_str()));
    ASSERT_TRUE(WriteSettingString(kWorkingFile, "FONT", "FACENAME", Key(kWorkingFile, section, "FONT_FACENAME").c_str()));
    ASSERT_TRUE(CopyDesign(i + 1, i, kWorkingFile));
    ASSERT_TRUE(StoreWorkingAsDesign(i));
}

TEST_F(WorkingCopy, MovesSwapNeighboursAndAnEmptiedListKeepsTheLookInForce)
{
    MoveUp(3);   // the last design up
    EXPECT_EQ("1/face1 2/face2 4/face4 3/face3 <absent>/<absent> ", Designs(4));
    MoveUp(1);   // the second design up, to the top
    EXPECT_EQ("2/face2 1/face1 4/face4 3/face3 <absent>/<absent> ", Designs(4));
    EXPECT_FALSE(CopyDesign(1, 0, kWorkingFile));
    EXPECT_FALSE(StoreWorkingAsDesign(0));
    EXPECT_FALSE(StoreWorkingAsDesign(1000));
    // A stored design has all 25 keys, the working style read as solid.
    EXPECT_EQ("0|no key value|1", Key(kWorkingFile, "DESIGN001", "BGBRUSH_STYLE") + "|" +
                                      Key(kWorkingFile, "DESIGN001", "BGBRUSH_ORGFILE") + "|" +
                                      Key(kWorkingFile, "DESIGN001", "FORMAT_PARTITION"));

    ASSERT_TRUE(WriteWholeFile(Path("pelmo.ini"), "[BGBRUSH]\r\nSTYLE=1\r\nCOLOR=5\r\n[FONT]\r\nFACENAME=old\r\n"));
    ASSERT_TRUE(WriteSettingInt(kWorkingFile, "DESIGN777", "BGBRUSH_COLOR", 7));   // beyond any count
    ASSERT_TRUE(ResetWorkingCopy());
    EXPECT_EQ("<absent>/<absent> ", Designs(0));
    EXPECT_EQ("<absent>", Key(kWorkingFile, "DESIGN777", "BGBRUSH_COLOR"));
    EXPECT_EQ("1/5/old/65535", Key(kWorkingFile, "BGBRUSH", "STYLE") + "/" + Key(kWorkingFile, "BGBRUSH", "COLOR") +
                                   "/" + Key(kWorkingFile, "FONT", "FACENAME") + "/" +
                                   Key(kWorkingFile, "TODAY", "COLOR"));
    EXPECT_EQ("0/0/1|0/0/0", Key(kWorkingFile, "REGIST", "SUM") + "/" + Key(kWorkingFile, "REGIST", "CURRENT") +
                                 "/" + Key(kWorkingFile, "REGIST", "CHANGE") + "|" +
                                 Key(kWorkingFile, "AUTOCHANGE", "CHANGE") + "/" +
                                 Key(kWorkingFile, "AUTOCHANGE", "TIMING") + "/" +
                                 Key(kWorkingFile, "AUTOCHANGE", "ORDER"));
    EXPECT_EQ("12", Key(kWorkingFile, "POSITION", "LEFT"));
}

}  // namespace
