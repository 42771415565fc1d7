// The design registry against the real private-profile API in a private
// folder: registering a design, comparing the settings in force with it,
// the enabling of the design commands, and replacing pelmo.ini whole.
#include <gtest/gtest.h>
#include <windows.h>
#include <string.h>
#include <string>

#include "design/design_registry.h"
#include "design/design_compare.h"
#include "settings/settings_copy.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "tests/win/test_support.h"

namespace {

const char* const kPelmo = kSettingsFile;

DesignRecord SampleRecord()
{
    LOGFONTA font = {0, 0, 0, 0, FW_BOLD, 1, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "メイリオ"};
    return DesignRecord{2, 3, 1, font, -4, 6, 0x000011, 0x000022, 0x000033, 0x000044, 0x000055, 0x000066, 2};
}

std::string Key(const char* section, const char* key)
{
    char text[kPicturePathSize];
    ReadSettingString(kPelmo, section, key, "<absent>", text, sizeof text);
    return text;
}

void Put(const char* section, const char* key, const char* text)
{
    ASSERT_TRUE(WriteSettingString(kPelmo, section, key, text));
}

class DesignRegistry : public AppFolderTest {};

TEST_F(DesignRegistry, RegisterWritesWorkingSectionsRegistryAndAll25DesignKeys)
{
    const DesignRecord record = SampleRecord();
    EXPECT_FALSE(RegisterDesign(kPelmo, record, {BS_SOLID, 1, 0}, {3, 0, 0}));
    EXPECT_FALSE(RegisterDesign(kPelmo, record, {BS_SOLID, 1, 0}, {3, 4, 0}));   // beyond the count
    EXPECT_FALSE(SettingsFileExists(kSettingsFile));

    Put("REGIST", "CHANGE", "1");
    Put("BGBRUSH", "TRANSPARENT", "1");
    Put("BGBRUSH", "BITMAP", "C:\\p.bmp");
    Put("MARKED", "COLOR", "7");
    ASSERT_TRUE(RegisterDesign(kPelmo, record, {BS_PATTERN, 0x123456, 0}, {4, 4, 1}));

    EXPECT_EQ("4/4/0", Key("REGIST", "SUM") + "/" + Key("REGIST", "CURRENT") + "/" + Key("REGIST", "CHANGE"));
    EXPECT_EQ("3|メイリオ|2",
              Key("BGBRUSH", "STYLE") + "|" + Key("FONT", "FACENAME") + "|" + Key("FORMAT", "PARTITION"));

    char keys[4096];
    char path[MAX_PATH];
    ASSERT_TRUE(SettingsPath(kPelmo, path, sizeof path));
    DWORD length = GetPrivateProfileSectionA("DESIGN004", keys, sizeof keys, path);
    int count = 0;
    for (const char* p = keys; p < keys + length && *p; p += strlen(p) + 1) {
        ++count;
    }
    EXPECT_EQ(25, count);
    // Cell colours never set take their working defaults.
    // Member by member: the record's padding and the paths' bytes after
    // their terminators hold nothing that was read.
    DesignLook look = ReadDesignLook(kPelmo, "DESIGN004");
    EXPECT_EQ(BS_PATTERN, look.background.brush.style);
    EXPECT_EQ(0x123456u, look.background.brush.color);
    EXPECT_EQ(0, look.background.brush.hatch);
    EXPECT_STREQ("C:\\p.bmp", look.background.bitmap);
    EXPECT_STREQ("no key value", look.background.orgFile);
    EXPECT_EQ(1, look.transparent);
    EXPECT_EQ(7u, look.cellColors.marked);
    EXPECT_EQ(0x00FFFFu, look.cellColors.today);
    EXPECT_EQ(0x64B4FFu, look.cellColors.markedToday);
    DesignRecord stored = {};
    ReadDesignSection(kPelmo, &stored, "DESIGN004");
    EXPECT_EQ(0, memcmp(&record, &stored, sizeof record));

    // A section without any key is a picture design without a picture.
    look = ReadDesignLook(kPelmo, "DESIGN009");
    EXPECT_EQ(BS_PATTERN, look.background.brush.style);
    EXPECT_EQ(0xFFFFE1u, look.background.brush.color);
    EXPECT_EQ(0x00FFFFu, look.cellColors.today);
}

TEST_F(DesignRegistry, OnlyAPictureStyleStoresPathsAndAConvertedPictureKeepsTheBitmapKey)
{
    Put("DESIGN001", "BGBRUSH_BITMAP", "old.bmp");
    Put("BGBRUSH", "ORGFILE", "pic.png");
    Put("BGBRUSH", "BITMAP", "pelmo.bmp");
    ASSERT_TRUE(RegisterDesign(kPelmo, SampleRecord(), {BS_PATTERN, 0, 0}, {2, 1, 0}));
    EXPECT_EQ("pic.png", Key("DESIGN001", "BGBRUSH_ORGFILE"));
    EXPECT_EQ("old.bmp", Key("DESIGN001", "BGBRUSH_BITMAP"));

    ASSERT_TRUE(RegisterDesign(kPelmo, SampleRecord(), {BS_SOLID, 0, 0}, {2, 2, 0}));
    EXPECT_EQ("<absent>", Key("DESIGN002", "BGBRUSH_ORGFILE"));
    EXPECT_EQ("<absent>", Key("DESIGN002", "BGBRUSH_BITMAP"));
}

struct DifferCase {
    const char* what;
    BrushTriple registered;
    void (*change)(DesignRecord* record);
    bool differs;
};

const DifferCase kDifferCases[] = {
    {"equal, cell colours never set", {BS_SOLID, 5, 0}, [](DesignRecord*) {}, false},
    {"no current design", {BS_SOLID, 5, 0}, [](DesignRecord*) { Put("REGIST", "CURRENT", "0"); }, true},
    {"hatch only", {BS_HATCHED, 5, HS_CROSS}, [](DesignRecord*) { Put("BGBRUSH", "HATCH", "5"); }, false},
    {"hatch colour", {BS_HATCHED, 5, HS_CROSS}, [](DesignRecord*) { Put("BGBRUSH", "COLOR", "6"); }, true},
    {"solid vs hatched",
     {BS_SOLID, 5, 0},
     [](DesignRecord*) { Put("DESIGN001", "BGBRUSH_STYLE", "2"); },
     true},
    {"picture ignores design style",
     {BS_PATTERN, 5, 0},
     [](DesignRecord*) {
         Put("DESIGN001", "BGBRUSH_STYLE", "0");
         Put("BGBRUSH", "COLOR", "6");
     },
     false},
    {"picture bitmap", {BS_PATTERN, 5, 0}, [](DesignRecord*) { Put("BGBRUSH", "BITMAP", "b.bmp"); }, true},
    {"picture orgfile", {BS_PATTERN, 5, 0}, [](DesignRecord*) { Put("BGBRUSH", "ORGFILE", "c.png"); }, true},
    {"style 1 skips brush",
     {BS_SOLID, 5, 0},
     [](DesignRecord*) {
         Put("BGBRUSH", "STYLE", "1");
         Put("BGBRUSH", "COLOR", "6");
     },
     false},
    {"transparent", {BS_SOLID, 5, 0}, [](DesignRecord*) { Put("BGBRUSH", "TRANSPARENT", "1"); }, true},
    {"marked colour", {BS_SOLID, 5, 0}, [](DesignRecord*) { Put("MARKED", "COLOR", "1"); }, true},
    // Absent reads as 0, not as the working default the design holds.
    {"today key absent",
     {BS_SOLID, 5, 0},
     [](DesignRecord*) { WriteSettingString(kPelmo, "TODAY", "COLOR", nullptr); },
     true},
    {"title format", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->titleFormat = 0; }, true},
    {"weekday format", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->weekdayFormat = 0; }, true},
    {"clock", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->clockFlag = 0; }, true},
    {"partition", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->partition = 1; }, true},
    {"holiday", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->holidayColor = 9; }, true},
    {"saturday", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->saturdayColor = 9; }, true},
    {"sunday", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->sundayColor = 9; }, true},
    {"weekday", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->weekdayColor = 9; }, true},
    {"title colour", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->titleColor = 9; }, true},
    {"other month", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->otherMonthColor = 9; }, true},
    {"charset", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->font.lfCharSet = 0; }, true},
    {"face name", {BS_SOLID, 5, 0}, [](DesignRecord* r) { strcpy(r->font.lfFaceName, "Arial"); }, true},
    {"italic", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->font.lfItalic = 0; }, true},
    {"weight", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->font.lfWeight = 400; }, true},
    {"offset", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->sizeOffset = 0; }, true},
    {"left shift", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->leftShift = 0; }, true},
    {"unstored font member", {BS_SOLID, 5, 0}, [](DesignRecord* r) { r->font.lfHeight = 30; }, false},
};

TEST_F(DesignRegistry, SettingsDifferFromTheCurrentDesign)
{
    for (const DifferCase& c : kDifferCases) {
        DeleteFileA(Path(kPelmo).c_str());
        Put("BGBRUSH", "BITMAP", "a.bmp");
        DesignRecord record = SampleRecord();
        ASSERT_TRUE(RegisterDesign(kPelmo, record, c.registered, {1, 1, 1})) << c.what;
        c.change(&record);
        EXPECT_EQ(c.differs, SettingsDifferFromDesign(kPelmo, record)) << c.what;
    }
}

TEST_F(DesignRegistry, MenuStateForEveryFlagCountAndCurrentNumber)
{
    struct Row {
        RegistryValues registry;
        bool overwrite, registerNew, choose;
    } rows[] = {
        {{3, 2, 1}, true, true, true},   {{3, 0, 1}, false, true, true},  {{0, 2, 1}, false, true, false},
        {{0, 0, 1}, false, true, false}, {{3, 2, 0}, false, false, true}, {{3, 0, 0}, false, true, true},
        {{0, 2, 0}, false, true, false}, {{0, 0, 0}, false, true, false}, {{3, 2, 7}, true, false, true},
        {{3, 0, 7}, false, true, true},  {{0, 2, 7}, false, true, false}, {{0, 0, 7}, false, true, false},
    };
    for (const Row& row : rows) {
        DesignMenuState state = DesignMenuFor(row.registry);
        SCOPED_TRACE(testing::Message() << row.registry.designCount << "/" << row.registry.currentDesign
                                        << "/" << row.registry.unregisteredChange);
        EXPECT_EQ(row.overwrite, state.overwrite);
        EXPECT_EQ(row.registerNew, state.registerNew);
        EXPECT_EQ(row.choose, state.choose);
    }
}

TEST_F(DesignRegistry, CopyOverPelmoIniIsWholeOrNothing)
{
    const std::string pelmo = Path(kPelmo);
    const std::string replacement = Path("pelmo.ini.new");
    ASSERT_TRUE(WriteWholeFile(pelmo, "[REGIST]\r\nSUM=1\r\n"));
    ASSERT_TRUE(WriteWholeFile(Path(kWorkingFile), "[REGIST]\r\nSUM=2\r\n"));
    const std::string before = ReadWholeFile(pelmo);
    EXPECT_EQ(1, ReadSettingInt(kPelmo, "REGIST", "SUM", 0));

    EXPECT_FALSE(CopySettingsFile("copy.ini", kPelmo));   // source missing
    EXPECT_EQ(before, ReadWholeFile(pelmo));
    EXPECT_FALSE(PathExists(replacement));

    ASSERT_TRUE(CreateDirectoryA(replacement.c_str(), nullptr));
    EXPECT_FALSE(CopySettingsFile(kWorkingFile, kPelmo));
    EXPECT_EQ(before, ReadWholeFile(pelmo));
    ASSERT_TRUE(RemoveDirectoryA(replacement.c_str()));

    HANDLE held = CreateFileA(pelmo.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(CopySettingsFile(kWorkingFile, kPelmo));
    CloseHandle(held);
    EXPECT_EQ(before, ReadWholeFile(pelmo));
    EXPECT_FALSE(PathExists(replacement));

    ASSERT_TRUE(CopySettingsFile(kWorkingFile, "PELMO.INI"));
    EXPECT_EQ(ReadWholeFile(Path(kWorkingFile)), ReadWholeFile(pelmo));
    EXPECT_FALSE(PathExists(replacement));
    EXPECT_EQ(2, ReadSettingInt(kPelmo, "REGIST", "SUM", 0));   // not a stale cached file

    ASSERT_TRUE(WriteSettingInt(kPelmo, "REGIST", "SUM", 3));
    ASSERT_TRUE(CopySettingsFile(kPelmo, kWorkingFile));
    EXPECT_EQ(3, ReadSettingInt(kWorkingFile, "REGIST", "SUM", 0));
    EXPECT_TRUE(DeleteSettingsFile(kWorkingFile));
    EXPECT_TRUE(DeleteSettingsFile(kWorkingFile));   // already gone
    EXPECT_FALSE(PathExists(Path(kWorkingFile)));
}

}   // namespace
