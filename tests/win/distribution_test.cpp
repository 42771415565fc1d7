// The distribution as it ships: the build's dist folder (beside this test)
// copied into a fresh folder with a Japanese name, then read and started
// through the calendar's own code.
#include <gtest/gtest.h>
#include <windows.h>

#include <math.h>
#include <string.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "design/design_compare.h"
#include "design/design_registry.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "shell/context_menu.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"

namespace {

const uint32_t kShippedDesigns = 7;
const uint32_t kFirstPictureDesign = 4;
const char* const kPictures[] = {"Wall.bmp", "Metal.bmp", "BlueCheck.bmp", "GreenCheck.bmp"};

// Every key a design section holds; one left out would read as 0 in the
// comparison with the settings in force and make the design differ from
// itself.
const char* const kDesignKeys[] = {
    "BGBRUSH_STYLE",      "BGBRUSH_COLOR",    "BGBRUSH_HATCH",     "BGBRUSH_TRANSPARENT",
    "BGBRUSH_ORGFILE",    "BGBRUSH_BITMAP",   "TODAY_COLOR",       "MARKED_TODAYCOLOR",
    "MARKED_COLOR",       "FORMAT_YMTYPE",    "FORMAT_WTYPE",      "FORMAT_CLOCK",
    "FORMAT_PARTITION",   "FONT_CHARSET",     "FONT_FACENAME",     "FONT_ITALIC",
    "FONT_WEIGHT",        "FONT_OFFSET",      "FONT_LSHIFT",       "TEXTCOLOR_HOLIDAY",
    "TEXTCOLOR_SATURDAY", "TEXTCOLOR_SUNDAY", "TEXTCOLOR_WEEKDAY", "TEXTCOLOR_MONTH",
    "TEXTCOLOR_OTHERDAY",
};

std::string DistFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1) + "dist\\";
}

std::string Section(uint32_t number)
{
    char name[kDesignSectionSize];
    DesignSectionName(number, name, sizeof name);
    return name;
}

// The key names of a section, upper-cased, each once.
std::set<std::string> KeysOf(const std::string& file, const std::string& section)
{
    std::vector<char> text(32768);
    GetPrivateProfileSectionA(section.c_str(), text.data(), (DWORD)text.size(), file.c_str());
    std::set<std::string> keys;
    for (const char* line = text.data(); *line; line += strlen(line) + 1) {
        std::string key(line, strcspn(line, "="));
        std::transform(key.begin(), key.end(), key.begin(), ::toupper);
        keys.insert(key);
    }
    return keys;
}

// The pixels of a BMP file.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[(size_t)(y % height) * width + x % width]; }
};

Picture LoadPicture(const std::string& path)
{
    Picture picture;
    HBITMAP bitmap = (HBITMAP)LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    BITMAP info = {};
    if (bitmap && GetObjectA(bitmap, sizeof info, &info)) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        for (int y = 0; y < info.bmHeight; ++y) {
            for (int x = 0; x < info.bmWidth; ++x) {
                picture.pixels.push_back(GetPixel(dc, x, y));
            }
        }
        picture.width = info.bmWidth;
        picture.height = info.bmHeight;
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    DeleteObject(bitmap);
    return picture;
}

// Relative luminance and contrast ratio as readability guidelines define
// them: 1 for equal colours, 21 for black on white.
double Luminance(COLORREF colour)
{
    auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(colour)) + 0.7152 * channel(GetGValue(colour)) +
           0.0722 * channel(GetBValue(colour));
}

double Contrast(COLORREF a, COLORREF b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class Distribution : public CalendarTest {
protected:
    void SetUp() override
    {
        CalendarTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        app_ = folder_ + "ポルカ ミナ\\";
        ASSERT_TRUE(CreateDirectoryA(app_.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((app_ + "Image").c_str(), nullptr));
        const std::string dist = DistFolder();
        ASSERT_TRUE(CopyFileA((dist + "pelmo.ini").c_str(), Ini().c_str(), FALSE))
            << "no pelmo.ini in " << dist;
        for (int i = 0; i < 4; ++i) {
            const std::string name = std::string("Image\\") + kPictures[i];
            ASSERT_TRUE(CopyFileA((dist + name).c_str(), (app_ + name).c_str(), FALSE)) << name;
        }
        standIns_.AppFolder(app_);
    }

    std::string Ini() const { return app_ + "pelmo.ini"; }
    std::string PicturePath(uint32_t design) const
    {
        return app_ + "Image\\" + kPictures[design - kFirstPictureDesign];
    }

    // What the first start writes into the picture designs.
    void WritePicturePaths()
    {
        for (uint32_t n = kFirstPictureDesign; n <= kShippedDesigns; ++n) {
            WriteSettingString(kSettingsFile, Section(n).c_str(), "BGBRUSH_BITMAP", PicturePath(n).c_str());
        }
    }

    // The record the calendar held when it last wrote the working sections.
    DesignRecord WorkingRecord()
    {
        DesignRecord held = {};
        ReadFormatSection(kSettingsFile, &held);
        ReadFontSection(kSettingsFile, &held);
        return held;
    }

    std::string app_;   // with its trailing backslash
};

TEST_F(Distribution, ShipsSevenWholeDesignsAndLeavesTheFirstStartToTheProgram)
{
    EXPECT_TRUE(KeysOf(Ini(), "SHELLLINK").empty()) << "a first start must stay a first start";

    const std::set<std::string> allKeys(std::begin(kDesignKeys), std::end(kDesignKeys));
    std::vector<DesignRecord> records;
    bool someHatch = false;
    for (uint32_t n = 1; n <= kShippedDesigns; ++n) {
        SCOPED_TRACE(Section(n));
        EXPECT_EQ(allKeys, KeysOf(Ini(), Section(n)));
        const DesignLook look = ReadDesignLook(kSettingsFile, Section(n).c_str());
        EXPECT_EQ(0, look.transparent);
        EXPECT_STREQ(kNoKeyValue, look.background.orgFile);
        if (n >= kFirstPictureDesign) {
            EXPECT_EQ(BS_PATTERN, look.background.brush.style);
            EXPECT_STREQ(kNoKeyValue, look.background.bitmap) << "the first start names the picture";
        } else {
            EXPECT_TRUE(look.background.brush.style == BS_SOLID || look.background.brush.style == BS_HATCHED);
            someHatch = someHatch || look.background.brush.style == BS_HATCHED;
        }
        // The calendar fits a design's formats to its font when it starts;
        // a design it had to fit would never again equal itself.
        DesignRecord record = {};
        ReadDesignSection(kSettingsFile, &record, Section(n).c_str());
        records.push_back(record);
        EXPECT_FALSE(AdjustFormatsForFont(&record));
    }
    EXPECT_TRUE(someHatch);
    // Read in the code page the program uses: the conversion of the build.
    EXPECT_STREQ("ＭＳ Ｐゴシック", records[0].font.lfFaceName);
    EXPECT_STREQ("ＭＳ 明朝", records[1].font.lfFaceName);
}

TEST_F(Distribution, TheFirstStartShowsTheCurrentDesignAsRegistered)
{
    // The shortcut question, where the program asks it, answered with Cancel.
    DialogWatch watch = {};
    watch.press = IDCANCEL;
    HANDLE watcher = StartDialogWatch(&watch);
    Launch();
    EndDialogWatch(watcher, &watch);
    ASSERT_FALSE(HasFatalFailure());

    const DesignLook first = ReadDesignLook(kSettingsFile, Section(1).c_str());
    EXPECT_EQ(first.background.brush.color, WindowPixel(calendar_, 2, 2));
    EXPECT_FALSE(Enabled(IDM_DESIGN_NEW));
    EXPECT_FALSE(Enabled(IDM_DESIGN_OVERWRITE));
    EXPECT_TRUE(Enabled(IDM_DESIGN_CHOOSE));
    Stop();

    // What the calendar held and saved at exit is the current design.
    EXPECT_FALSE(SettingsDifferFromDesign(kSettingsFile, WorkingRecord()));
    EXPECT_EQ(0, ReadInt("REGIST", "CHANGE"));
    EXPECT_EQ(1, ReadInt("REGIST", "CURRENT"));
    EXPECT_EQ((int)kShippedDesigns, ReadInt("REGIST", "SUM"));
}

TEST_F(Distribution, EveryDesignTakesOverAndStillEqualsItself)
{
    WritePicturePaths();
    LaunchOrdinary();
    for (uint32_t n = 1; n <= kShippedDesigns; ++n) {
        SCOPED_TRACE(Section(n));
        SendMessageA(calendar_, WM_PELMO_APPLY_DESIGN, n, kShippedDesigns);
        EXPECT_FALSE(SettingsDifferFromDesign(kSettingsFile, WorkingRecord()));
        EXPECT_FALSE(Enabled(IDM_DESIGN_NEW));

        const DesignLook look = ReadDesignLook(kSettingsFile, Section(n).c_str());
        if (n >= kFirstPictureDesign) {
            // From the corner at its own size (the title's text stands
            // further in).
            const Picture picture = LoadPicture(PicturePath(n));
            ASSERT_GT(picture.width, 0);
            for (int y = 2; y < 14; y += 3) {
                for (int x = 2; x < 14; x += 3) {
                    EXPECT_EQ(picture.At(x, y), WindowPixel(calendar_, x, y)) << x << "," << y;
                }
            }
            EXPECT_EQ(PicturePath(n), std::string(look.background.bitmap));
        } else if (look.background.brush.style == BS_SOLID) {
            EXPECT_EQ(look.background.brush.color, WindowPixel(calendar_, 2, 2));
        }
    }
}

// Text is drawn straight on the background, on today's colour and on the
// memo colours: the main colours must read on every pixel of each, the
// faint neighbouring-month days at least stand out.
TEST_F(Distribution, TextReadsOnEveryBackgroundAndCell)
{
    const double kMainOnBackground = 3.5;
    const double kMainOnCell = 3.0;
    const double kFaint = 1.5;
    for (uint32_t n = 1; n <= kShippedDesigns; ++n) {
        SCOPED_TRACE(Section(n));
        const DesignLook look = ReadDesignLook(kSettingsFile, Section(n).c_str());
        DesignRecord record = {};
        ReadDesignSection(kSettingsFile, &record, Section(n).c_str());

        std::set<COLORREF> background;
        if (n >= kFirstPictureDesign) {
            const Picture picture = LoadPicture(PicturePath(n));
            ASSERT_GT(picture.width, 0);
            background.insert(picture.pixels.begin(), picture.pixels.end());
        } else {
            background.insert(look.background.brush.color);
            if (look.background.brush.style == BS_HATCHED) {
                background.insert(RGB(255, 255, 255));   // between the lines
            }
        }
        const COLORREF cells[] = {look.cellColors.today, look.cellColors.marked, look.cellColors.markedToday};
        const COLORREF main[] = {record.titleColor, record.weekdayColor, record.saturdayColor,
                                 record.sundayColor, record.holidayColor};
        for (COLORREF text : main) {
            for (COLORREF under : background) {
                EXPECT_GE(Contrast(text, under), kMainOnBackground) << std::hex << text << " on " << under;
            }
            for (COLORREF under : cells) {
                EXPECT_GE(Contrast(text, under), kMainOnCell) << std::hex << text << " on " << under;
            }
        }
        for (COLORREF under : background) {
            EXPECT_GE(Contrast(record.otherMonthColor, under), kFaint) << std::hex << under;
        }
    }
}

}   // namespace
