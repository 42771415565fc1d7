// pelmo.ini through the real private-profile API, in a private folder: the
// defaults of a missing file, the reading rules, the round trip of everything
// the calendar window saves, and the forced end on a damaged registry count.
#include <gtest/gtest.h>
#include <windows.h>
#include <limits.h>
#include <string.h>
#include <string>

#include "platform/app_folder.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "settings/settings_startup.h"
#include "settings/window_position.h"
#include "tests/win/test_support.h"

namespace {

class SettingsFile : public AppFolderWithOwnerTest {
protected:
    void WriteRaw(const char* text) { ASSERT_TRUE(WriteWholeFile(Path(kSettingsFile), text)); }
    std::string ReadRaw() { return ReadWholeFile(Path(kSettingsFile)); }

    // True when the lines appear in the file in this order.
    bool InOrder(std::initializer_list<const char*> lines)
    {
        std::string raw = ReadRaw();
        size_t at = 0;
        for (const char* line : lines) {
            at = raw.find(line, at);
            if (at == std::string::npos) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(SettingsFile, MissingFileGivesEveryDefaultAndCreatesNothing)
{
    DesignRecord design;
    memset(&design, 0x5A, sizeof design);
    MemoDisplaySettings memo = {};
    RegistryValues registry = {7, 7, 7};
    ASSERT_TRUE(LoadSettings(kSettingsFile, window_, &design, &memo, &registry));

    DesignRecord expected = {0,        0,        0,        {},       0,        0, 0x0000FF,
                             0x0000FF, 0xFF0000, 0xFF00FF, 0x008000, 0x808080, 1};
    expected.font.lfCharSet = SHIFTJIS_CHARSET;
    strcpy(expected.font.lfFaceName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(0, memcmp(&expected, &design, sizeof design));
    EXPECT_EQ(18, memo.tooltipFontHeight);
    EXPECT_EQ(18, memo.editorFontHeight);
    EXPECT_EQ(300, memo.tooltipWidth);
    EXPECT_EQ(0u, registry.designCount);
    EXPECT_EQ(0u, registry.currentDesign);

    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_EQ(100, rect.left);
    EXPECT_EQ(100, rect.top);
    EXPECT_EQ(196, rect.right - rect.left);
    EXPECT_EQ(200, rect.bottom - rect.top);
    EXPECT_TRUE(IsWindowVisible(window_));

    BrushTriple brush = ReadBrushSection(kSettingsFile);
    EXPECT_EQ(BS_SOLID, brush.style);
    EXPECT_EQ(0xFFFFE1u, brush.color);
    EXPECT_EQ(0, brush.hatch);
    EXPECT_FALSE(SettingsFileExists(kSettingsFile));
}

TEST_F(SettingsFile, SaveThenLoadKeepsEveryValueAsDecimalText)
{
    LOGFONTA font = {40, 0, 0, 0, FW_BOLD, 1, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "メイリオ"};
    DesignRecord design = {3,        5,        1,        font,     -10,      7, 0xFF00FF,
                           0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 2};
    MemoDisplaySettings memo = {20, 24, 1000};
    RegistryValues registry = {5, 3, 1};
    MoveWindow(window_, 150, 120, 300, 250, FALSE);
    HBRUSH brush = CreateHatchBrush(HS_DIAGCROSS, 0x123456);

    ASSERT_TRUE(EditSettings(kSettingsFile, [&](SettingsEdit* edit) {
        SaveSettings(edit, window_, brush, design, memo, registry);
    }));
    DeleteObject(brush);
    EXPECT_TRUE(SettingsFileExists(kSettingsFile));

    std::string raw = ReadRaw();
    EXPECT_NE(std::string::npos, raw.find("MONTH=16711935"));
    EXPECT_NE(std::string::npos, raw.find("OFFSET=-10"));
    EXPECT_NE(std::string::npos, raw.find("FACENAME=メイリオ"));   // Shift-JIS on disk
    EXPECT_TRUE(InOrder({"STYLE=2", "COLOR=1193046", "HATCH=5"}));
    // A new key goes to the end of its section, wherever that section is.
    EXPECT_TRUE(InOrder({"[FORMAT]", "YMTYPE=3", "WTYPE=5", "CLOCK=1", "PARTITION=2", "[TEXTCOLOR]",
                         "HOLIDAY=", "SATURDAY=", "SUNDAY=", "WEEKDAY=", "MONTH=", "OTHERDAY="}));
    EXPECT_TRUE(InOrder({"CHARSET=1", "FACENAME=", "ITALIC=1", "WEIGHT=700", "OFFSET=", "LSHIFT=7"}));
    EXPECT_TRUE(InOrder({"[TOOLTIP]", "WIDTH=1000", "FONTHEIGHT=20", "[EDITOR]", "FONTHEIGHT=24"}));
    EXPECT_TRUE(
        InOrder({"SUM=5", "CURRENT=3", "CHANGE=1", "LEFT=150", "TOP=120", "RIGHT=450", "BOTTOM=370"}));

    DesignRecord loaded;
    memset(&loaded, 0x5A, sizeof loaded);
    MemoDisplaySettings loadedMemo = {};
    RegistryValues loadedRegistry = {};
    MoveWindow(window_, 0, 0, 10, 10, FALSE);
    ASSERT_TRUE(LoadSettings(kSettingsFile, window_, &loaded, &loadedMemo, &loadedRegistry));
    design.font.lfHeight = 0;   // not stored
    EXPECT_EQ(0, memcmp(&design, &loaded, sizeof design));
    EXPECT_EQ(0, memcmp(&memo, &loadedMemo, sizeof memo));
    EXPECT_EQ(5u, loadedRegistry.designCount);
    EXPECT_EQ(3u, loadedRegistry.currentDesign);
    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_EQ(150, rect.left);
    EXPECT_EQ(370, rect.bottom);
}

TEST_F(SettingsFile, IntegersReadAsLeadingSignedDecimalWithBytesCut)
{
    WriteRaw("[t]\r\nneg=-5\r\nplus=+7\r\ntrail=12abc\r\nword=abc\r\nempty=\r\n"
             "hex=0x10\r\nwrap=4294967295\r\n"
             "[FONT]\r\nCHARSET=384\r\nITALIC=257\r\n");
    EXPECT_EQ(-5, ReadSettingInt(kSettingsFile, "T", "NEG", 1));
    EXPECT_EQ(7, ReadSettingInt(kSettingsFile, "t", "plus", 1));
    EXPECT_EQ(12, ReadSettingInt(kSettingsFile, "t", "trail", 1));
    EXPECT_EQ(0, ReadSettingInt(kSettingsFile, "t", "word", 1));
    EXPECT_EQ(0, ReadSettingInt(kSettingsFile, "t", "empty", 1));
    EXPECT_EQ(0, ReadSettingInt(kSettingsFile, "t", "hex", 1));
    EXPECT_EQ(-1, ReadSettingInt(kSettingsFile, "t", "wrap", 1));
    EXPECT_EQ(77, ReadSettingInt(kSettingsFile, "t", "missing", 77));
    EXPECT_EQ(-77, ReadSettingInt(kSettingsFile, "none", "neg", -77));
    EXPECT_EQ(-77, ReadSettingInt(kWorkingFile, "t", "neg", -77));

    DesignRecord design = {};
    ReadFontSection(kSettingsFile, &design);
    EXPECT_EQ(0x80, design.font.lfCharSet);
    EXPECT_EQ(1, design.font.lfItalic);
}

TEST_F(SettingsFile, StringsAreShiftJisAndNeverCutInsideACharacter)
{
    WriteRaw("[BGBRUSH]\r\nBITMAP=C:\\表\\絵.bmp\r\n"
             "[FONT]\r\nFACENAME=ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰ\r\n");
    char text[kAppPathSize];
    ReadSettingString(kSettingsFile, "BGBRUSH", "BITMAP", kNoKeyValue, text, sizeof text);
    EXPECT_STREQ("C:\\表\\絵.bmp", text);
    ReadSettingString(kSettingsFile, "BGBRUSH", "ORGFILE", kNoKeyValue, text, sizeof text);
    EXPECT_STREQ(kNoKeyValue, text);
    // Six bytes hold two characters and the first byte of the third.
    char small[6];
    ReadSettingString(kSettingsFile, "BGBRUSH", "BITMAP", kNoKeyValue, small, sizeof small);
    EXPECT_STREQ("C:\\表", small);

    // 32 bytes of face name: the 31 that fit end in half a character.
    DesignRecord design = {};
    ReadFontSection(kSettingsFile, &design);
    EXPECT_STREQ("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯ", design.font.lfFaceName);

    ASSERT_TRUE(WriteSettingString(kSettingsFile, "BGBRUSH", "BITMAP", kNoKeyValue));
    ReadSettingString(kSettingsFile, "BGBRUSH", "BITMAP", "", text, sizeof text);
    EXPECT_STREQ(kNoKeyValue, text);
}

TEST_F(SettingsFile, DesignSectionsKeepUnstoredFontMembersAndDefaultToAPicture)
{
    WriteRaw("[DESIGN001]\r\nBGBRUSH_BITMAP=C:\\a.bmp\r\n[FONT]\r\nFACENAME=x\r\n");
    DesignRecord design = {};
    design.font.lfHeight = 33;
    design.font.lfUnderline = 1;
    ReadDesignSection(kSettingsFile, &design, "DESIGN001");
    EXPECT_EQ(33, design.font.lfHeight);
    EXPECT_EQ(1, design.font.lfUnderline);
    EXPECT_STREQ("ＭＳ Ｐゴシック", design.font.lfFaceName);
    EXPECT_EQ(1, design.partition);
    EXPECT_EQ(0x808080u, design.otherMonthColor);
    BrushTriple brush =
        DesignFromSection(ReadSettingsSection(kSettingsFile, "DESIGN001")).look.background.brush;
    EXPECT_EQ(BS_PATTERN, brush.style);
    EXPECT_EQ(0xFFFFE1u, brush.color);
    EXPECT_EQ(0, brush.hatch);

    design.titleColor = 0x00ABCDEF;
    design.font.lfWeight = FW_LIGHT;
    ASSERT_TRUE(EditSettings(kSettingsFile,
                             [&](SettingsEdit* edit) { WriteDesignSection(edit, "DESIGN002", design); }));
    EXPECT_TRUE(InOrder({"[DESIGN002]", "FORMAT_YMTYPE=", "FORMAT_PARTITION=1", "FONT_CHARSET=",
                         "FONT_FACENAME=", "FONT_LSHIFT=", "TEXTCOLOR_HOLIDAY=", "TEXTCOLOR_OTHERDAY="}));
    DesignRecord back = design;
    back.titleColor = 0;
    back.font.lfWeight = 0;
    ReadDesignSection(kSettingsFile, &back, "DESIGN002");
    EXPECT_EQ(0, memcmp(&design, &back, sizeof design));

    ReadFontSection(kSettingsFile, &design);
    EXPECT_EQ(0, design.font.lfHeight);
    EXPECT_EQ(0, design.font.lfUnderline);
    EXPECT_STREQ("x", design.font.lfFaceName);
}

TEST_F(SettingsFile, RegistryCountOrNumberOfAThousandEndsTheStart)
{
    struct Case {
        const char* file;
        bool loads;
        const char* caption;
    };
    const Case cases[] = {
        {"[REGIST]\r\nSUM=999\r\nCURRENT=999\r\n", true, ""},
        {"[REGIST]\r\nSUM=1000\r\n", false, "REGIST_SUM"},
        {"[REGIST]\r\nSUM=-1\r\n", false, "REGIST_SUM"},
        {"[REGIST]\r\nSUM=5\r\nCURRENT=1000\r\n", false, "REGIST_CURRENT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        WriteRaw(c.file);
        DialogWatch watch = {};
        watch.press = IDOK;
        HANDLE watcher = StartDialogWatch(&watch);
        DesignRecord design;
        MemoDisplaySettings memo;
        RegistryValues registry = {};
        EXPECT_EQ(c.loads, LoadSettings(kSettingsFile, window_, &design, &memo, &registry));
        EndDialogWatch(watcher, &watch);
        if (!c.loads) {
            EXPECT_EQ(c.caption, watch.seen.caption);
            EXPECT_EQ("初期化ファイルの値が不正です\n強制終了します|", watch.seen.texts);
            EXPECT_EQ(window_, watch.seen.owner);
            EXPECT_EQ(LoadIconA(nullptr, IDI_HAND), watch.seen.icon);
        } else {
            EXPECT_EQ(nullptr, watch.seen.dialog);
            EXPECT_EQ(999u, registry.designCount);
        }
    }
}

ScreenLayout PrimaryOnly(int width, int height)
{
    ScreenLayout screens = {};
    screens.monitors[0] = {0, 0, width, height};
    screens.count = 1;
    screens.primaryWidth = width;
    screens.primaryHeight = height;
    return screens;
}

TEST_F(SettingsFile, WindowOffTheScreenGoesBackToTheDefaultPlace)
{
    const int width = 1024, height = 768;
    const RECT fallback = {100, 100, 296, 300};
    struct Case {
        RECT stored;
        bool kept;
    };
    const Case cases[] = {
        {{-5, 10, 200, 200}, false},
        {{10, -1, 200, 200}, false},
        {{width - 11, height - 11, width + 300, height + 300}, true},
        {{width - 10, 10, width + 300, 200}, false},
        {{10, height - 10, 200, height + 300}, false},
        {{-5, 10, -5, 10}, false},
    };
    for (const Case& c : cases) {
        RECT placed = ChooseWindowRect(c.stored, PrimaryOnly(width, height));
        const RECT& expected = c.kept ? c.stored : fallback;
        EXPECT_TRUE(EqualRect(&expected, &placed)) << c.stored.left << "," << c.stored.top;
    }

    WriteRaw("[POSITION]\r\nLEFT=-5\r\nTOP=20\r\nRIGHT=500\r\nBOTTOM=500\r\n");
    LoadWindowPosition(kSettingsFile, window_);
    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_TRUE(EqualRect(&fallback, &rect));
}

// A calendar dragged to its smallest, or stored larger than the screen
// (by hand, or on a larger screen), keeps its place; only its size becomes
// the nearest usable one.
TEST_F(SettingsFile, AnUnusableSizeIsCorrectedWhereTheWindowStands)
{
    const int width = 1024, height = 768;
    struct Case {
        RECT stored;
        RECT placed;
    };
    const Case cases[] = {
        {{400, 300, 401, 301}, {400, 300, 512, 428}},
        {{400, 300, 403, 500}, {400, 300, 512, 500}},
        {{400, 300, 596, 303}, {400, 300, 596, 428}},
        {{400, 300, 400 + 111, 300 + 128}, {400, 300, 512, 428}},
        {{400, 300, 400 + 112, 300 + 127}, {400, 300, 512, 428}},
        {{400, 300, 400 + 112, 300 + 128}, {400, 300, 512, 428}},   // the smallest as it is
        {{400, 300, 400, 500}, {400, 300, 512, 500}},               // no width
        {{400, 300, 600, 200}, {400, 300, 600, 428}},               // upside down
        {{0, 0, width, height}, {0, 0, width, height}},             // the whole screen
        {{0, 0, width + 1, height}, {0, 0, width, height}},
        {{0, 0, width, height + 1}, {0, 0, width, height}},
        {{10, 10, 10 + 32767, 10 + 32767}, {10, 10, 10 + width, 10 + height}},
        {{10, 10, INT_MAX, INT_MIN}, {10, 10, 10 + width, 10 + 128}},
        {{width - 11, 10, width + 300, 400}, {width - 11, 10, width + 300, 400}},   // past the edge
    };
    for (const Case& c : cases) {
        RECT placed = ChooseWindowRect(c.stored, PrimaryOnly(width, height));
        EXPECT_TRUE(EqualRect(&c.placed, &placed))
            << c.stored.right - c.stored.left << " by " << c.stored.bottom - c.stored.top << " placed "
            << placed.right - placed.left << " by " << placed.bottom - placed.top;
    }

    // Through the file, against the real screen.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct Stored {
        const char* keys;
        RECT placed;
    };
    const Stored stored[] = {
        {"LEFT=150\r\nTOP=120\r\nRIGHT=189\r\nBOTTOM=159\r\n", {150, 120, 150 + 112, 120 + 128}},
        {"LEFT=30\r\nTOP=40\r\nRIGHT=32767\r\nBOTTOM=32767\r\n",
         {30, 40, 30 + screenWidth, 40 + screenHeight}},
    };
    for (const Stored& c : stored) {
        WriteRaw((std::string("[POSITION]\r\n") + c.keys).c_str());
        LoadWindowPosition(kSettingsFile, window_);
        RECT rect;
        GetWindowRect(window_, &rect);
        EXPECT_TRUE(EqualRect(&c.placed, &rect)) << c.keys;
    }
}

// A calendar kept on another monitor stays there; a corner where no monitor
// is now (a gap beside a shorter monitor, or one unplugged) does not.
TEST_F(SettingsFile, WindowOnAnyMonitorKeepsItsPlace)
{
    ScreenLayout screens = PrimaryOnly(1920, 1080);
    screens.monitors[1] = {-1280, 0, 0, 1024};               // left, shorter
    screens.monitors[2] = {1920, -400, 1920 + 2560, 1040};   // right, larger
    screens.count = 3;
    const RECT fallback = {100, 100, 296, 300};
    struct Case {
        RECT stored;
        bool kept;
    };
    const Case cases[] = {
        {{-1280, 0, -1080, 200}, true},   {{-11, 500, 185, 700}, true},   // the margin is the left monitor's
        {{-10, 500, 186, 700}, false},    {{-1000, 1014, -800, 1214}, false},   // below the shorter monitor
        {{3000, -300, 3196, -100}, true}, {{4470, 100, 4666, 300}, false},
    };
    for (const Case& c : cases) {
        RECT placed = ChooseWindowRect(c.stored, screens);
        const RECT& expected = c.kept ? c.stored : fallback;
        EXPECT_TRUE(EqualRect(&expected, &placed)) << c.stored.left << "," << c.stored.top;
    }
    // Never wider than the primary screen, the picture it is painted into.
    const RECT wide = {2000, 100, 2000 + 1921, 800};
    const RECT narrowed = {2000, 100, 2000 + 1920, 800};
    RECT placed = ChooseWindowRect(wide, screens);
    EXPECT_TRUE(EqualRect(&narrowed, &placed));
}

// A file saved elsewhere with a byte order mark reads as the profile API
// reads it and is written back in the program's code page, every value
// kept; a step that changes nothing leaves it as it is.
TEST_F(SettingsFile, AFileWithAByteOrderMarkIsWrittenBackInTheProgramsCodePage)
{
    const std::string utf8Face = "\xE3\x83\xA1\xE3\x82\xA4\xE3\x83\xAA\xE3\x82\xAA";   // メイリオ in UTF-8
    const std::string bom = "\xEF\xBB\xBF";
    WriteRaw((bom + "[FONT]\r\nFACENAME=" + utf8Face + "\r\n[POSITION]\r\nLEFT=5\r\n").c_str());
    ASSERT_TRUE(
        EditSettings(kSettingsFile, [](SettingsEdit* edit) { SetSettingInt(edit, "POSITION", "LEFT", 5); }));
    EXPECT_EQ(0u, ReadRaw().find(bom)) << "nothing changed, nothing written";
    ASSERT_TRUE(
        EditSettings(kSettingsFile, [](SettingsEdit* edit) { SetSettingInt(edit, "POSITION", "LEFT", 6); }));
    EXPECT_EQ("[FONT]\r\nFACENAME=メイリオ\r\n[POSITION]\r\nLEFT=6\r\n", ReadRaw());
    DesignRecord design = {};
    ReadFontSection(kSettingsFile, &design);
    EXPECT_STREQ("メイリオ", design.font.lfFaceName);
}

TEST_F(SettingsFile, BrushValuesComeFromTheBrushObjectWithoutHandles)
{
    HBRUSH solid = CreateSolidBrush(0x00FF00);
    ASSERT_TRUE(EditSettings(kSettingsFile, [&](SettingsEdit* edit) {
        ASSERT_TRUE(WriteBrushSectionFromBrush(edit, solid));
    }));
    DeleteObject(solid);
    BrushTriple read = ReadBrushSection(kSettingsFile);
    EXPECT_EQ(BS_SOLID, read.style);
    EXPECT_EQ(0x00FF00u, read.color);

    // A pattern brush's hatch member is its bitmap's handle: never stored.
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    HBRUSH pattern = CreatePatternBrush(bitmap);
    ASSERT_TRUE(EditSettings(kSettingsFile, [&](SettingsEdit* edit) {
        ASSERT_TRUE(WriteBrushSectionFromBrush(edit, pattern));
    }));
    DeleteObject(pattern);
    DeleteObject(bitmap);
    read = ReadBrushSection(kSettingsFile);
    EXPECT_EQ(BS_PATTERN, read.style);
    EXPECT_EQ(0, read.hatch);

    EXPECT_TRUE(EditSettings(kSettingsFile, [&](SettingsEdit* edit) {
        EXPECT_FALSE(WriteBrushSectionFromBrush(edit, nullptr));
    }));
    EXPECT_EQ(BS_PATTERN, ReadBrushSection(kSettingsFile).style);
}

TEST_F(SettingsFile, AFolderTooLongForItsFilesRefusesEveryAccess)
{
    std::string longFolder = folder_ + std::string(250 - folder_.size(), 'a');
    standIns_.AppFolder(longFolder);
    EXPECT_FALSE(
        EditSettings(kSettingsFile, [](SettingsEdit* edit) { SetSettingInt(edit, "REGIST", "SUM", 3); }));
    EXPECT_EQ(42, ReadSettingInt(kSettingsFile, "REGIST", "SUM", 42));
    char text[16];
    ReadSettingString(kSettingsFile, "FONT", "FACENAME", kNoKeyValue, text, sizeof text);
    EXPECT_STREQ(kNoKeyValue, text);
    EXPECT_FALSE(SettingsFileExists(kSettingsFile));
}

}   // namespace
