// The files the design steps leave, held against golden files that the
// version before them wrote for the same steps (tests/win/golden): applying
// a solid, a BMP and a PNG design, registering, moving, deleting and OK give
// the same sections and key=value pairs, whatever their order. The working
// copy's working sections and its REGIST CURRENT are the one difference on
// purpose: the preview no longer writes the design it shows into temp.ini,
// so a move no longer stores those working sections as the moved design.
// The old steps gave the hatched design 2, moved after a PNG design had been
// in force, that picture's ORGFILE: the moved design now keeps its own.
#include <gtest/gtest.h>
#include <windows.h>
#include <gdiplus.h>

#include <map>
#include <string>
#include <vector>

#include "design/design_apply.h"
#include "design/design_registry.h"
#include "design/working_copy.h"
#include "settings/profile_text.h"
#include "settings/settings_copy.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "tests/win/test_support.h"
#include "view/picture.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

typedef std::map<std::string, std::map<std::string, std::string>> Sections;

std::string Upper(std::string text)
{
    for (char& c : text) {
        c = (c >= 'a' && c <= 'z') ? (char)(c - 'a' + 'A') : c;
    }
    return text;
}

// Every section with the value a reader gets for each key.
Sections ReadSections(const std::string& text, bool workingCopy)
{
    static const char* const kWorking[] = {"BGBRUSH", "TODAY", "MARKED", "FORMAT", "TEXTCOLOR", "FONT"};
    Sections sections;
    for (const ProfileBlock& block : ParseProfileDocument(text).blocks) {
        const std::string name = Upper(block.name);
        bool skipped = block.header.empty() || sections.count(name) != 0;
        for (const char* working : kWorking) {
            skipped = skipped || (workingCopy && name == working);
        }
        if (skipped) {
            continue;
        }
        std::map<std::string, std::string>& keys = sections[name];
        for (const ProfileEntry& entry : block.keys) {
            std::string value;
            if (!(workingCopy && name == "REGIST" && Upper(entry.key) == "CURRENT") &&
                FindProfileValue(block.keys, entry.key.c_str(), &value)) {
                keys.emplace(Upper(entry.key), value);
            }
        }
    }
    return sections;
}

std::string Describe(const Sections& sections)
{
    std::string text;
    for (const auto& section : sections) {
        text += "[" + section.first + "]\n";
        for (const auto& key : section.second) {
            text += key.first + "=" + key.second + "\n";
        }
    }
    return text;
}

std::string FromUtf8(const std::string& utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(
        (size_t)MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &wide[0], (int)wide.size()));
    std::string text(wide.size() * 2, '\0');
    text.resize((size_t)WideCharToMultiByte(932, 0, wide.data(), (int)wide.size(), &text[0], (int)text.size(),
                                            nullptr, nullptr));
    return text;
}

bool SaveSmallPicture(const std::string& path, const wchar_t* mime, COLORREF colour)
{
    std::vector<DWORD> pixels((size_t)16 * 16, 0xFF000000 | (GetRValue(colour) << 16) |
                                                   (GetGValue(colour) << 8) | GetBValue(colour));
    GpBitmap* bitmap = nullptr;
    CLSID encoder;
    if (FindImageEncoder(mime, &encoder) < 0 ||
        GdipCreateBitmapFromScan0(16, 16, 64, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()),
                                  &bitmap) != Ok) {
        return false;
    }
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    const bool saved = GdipSaveImageToFile(bitmap, wide, &encoder, nullptr) == Ok;
    GdipDisposeImage(bitmap);
    return saved;
}

class DesignSteps : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(SaveSmallPicture(Path("wall.bmp"), L"image/bmp", RGB(120, 60, 30)));
        ASSERT_TRUE(SaveSmallPicture(Path("photo.png"), L"image/png", RGB(30, 90, 160)));
        ASSERT_TRUE(WriteWholeFile(Path(kSettingsFile), Golden("0_start_pelmo.ini")));
        ASSERT_TRUE(CreateSurface(&surface_, 200, 200));
        slot_ = CreateSolidBrush(0);
        first_ = SelectObject(surface_.dc, slot_);
    }

    void TearDown() override
    {
        SelectObject(surface_.dc, first_);
        DeleteObject(slot_);
        DestroySurface(&surface_);
        AppFolderTest::TearDown();
    }

    // A golden file in the program's code page, in this test's folder.
    std::string Golden(const char* name)
    {
        const std::string utf8 = ReadWholeFile(std::string("Z:") + PELMO_GOLDEN_DIR + "/" + name + ".utf8");
        std::string text = FromUtf8(utf8);
        for (size_t at; (at = text.find("<APP>\\")) != std::string::npos;) {
            text.replace(at, 6, folder_);
        }
        return text;
    }

    void ExpectLike(const char* golden, const char* file, const char* movedSection = nullptr)
    {
        const bool workingCopy = std::string(file) == kWorkingFile;
        Sections expected = ReadSections(Golden(golden), workingCopy);
        if (movedSection) {
            expected[movedSection]["BGBRUSH_ORGFILE"] = kNoKeyValue;
        }
        EXPECT_EQ(Describe(expected), Describe(ReadSections(ReadWholeFile(Path(file)), workingCopy)))
            << golden;
    }

    void Apply(uint32_t number, uint32_t count, const char* golden, const char* movedSection = nullptr)
    {
        bool saved = false;
        ASSERT_TRUE(ApplyDesign(kSettingsFile, number, count, surface_.dc, &slot_, &applied_, &saved));
        ASSERT_TRUE(saved);
        ExpectLike(golden, kSettingsFile, movedSection);
        // What was written reads back as the design applied.
        const Design inForce = ReadWorkingDesign(kSettingsFile);
        EXPECT_EQ(0, memcmp(&applied_.record, &inForce.record, sizeof inForce.record)) << golden;
        EXPECT_EQ(0, memcmp(&applied_.look.cellColors, &inForce.look.cellColors,
                            sizeof inForce.look.cellColors));
    }

    Surface surface_ = {};
    HBRUSH slot_ = nullptr;
    HGDIOBJ first_ = nullptr;
    Design applied_ = {};
};

TEST_F(DesignSteps, WriteWhatTheKeyByKeyStepsWrote)
{
    Apply(1, 4, "1_apply_solid_pelmo.ini");
    Apply(3, 4, "2_apply_bmp_pelmo.ini");
    Apply(4, 4, "3_apply_png_pelmo.ini");
    BrushTriple brush;
    ASSERT_TRUE(BrushTripleFromBrush(slot_, &brush));
    ASSERT_TRUE(RegisterDesign(kSettingsFile, applied_.record, brush, {5, 5, 1}));
    ExpectLike("4_register_pelmo.ini", kSettingsFile);

    ASSERT_TRUE(CopySettingsFile(kSettingsFile, kWorkingFile));
    Design previewed;
    HBRUSH preview = CreateSolidBrush(0);
    ASSERT_TRUE(ReadDesign(kWorkingFile, 2, &previewed));
    InstallDesignBrush(surface_.dc, &preview, previewed.look);
    SelectObject(surface_.dc, slot_);
    DeleteObject(preview);
    ASSERT_TRUE(SwapDesigns(kWorkingFile, 2, 1, 5));
    ExpectLike("5_moved_temp.ini", kWorkingFile, "DESIGN003");
    uint32_t count = 5;
    ASSERT_TRUE(DeleteDesign(kWorkingFile, 1, &count));
    ExpectLike("6_deleted_temp.ini", kWorkingFile, "DESIGN002");

    ASSERT_TRUE(CopySettingsFile(kWorkingFile, kSettingsFile));
    Apply(2, count, "7_ok_pelmo.ini", "DESIGN002");
}

// Applying reads the design's section once and writes the file once, and
// only when a value changes; the preview reads the same section and writes
// nothing. (Under Wine every profile write rewrites the whole file, so each
// step makes one write of the whole file instead of one per key.)
TEST_F(DesignSteps, ApplyingReadsEachSectionOnceAndWritesTheFileOnce)
{
    for (uint32_t number : {1u, 3u, 4u}) {
        SCOPED_TRACE(number);
        const unsigned reads = SettingsReadCount();
        const unsigned writes = SettingsWriteCount();
        bool saved = false;
        ASSERT_TRUE(ApplyDesign(kSettingsFile, number, 4, surface_.dc, &slot_, &applied_, &saved));
        EXPECT_EQ(reads + 1, SettingsReadCount());
        EXPECT_EQ(writes + 1, SettingsWriteCount());
        ASSERT_TRUE(ApplyDesign(kSettingsFile, number, 4, surface_.dc, &slot_, &applied_, &saved));
        EXPECT_EQ(writes + 1, SettingsWriteCount()) << "nothing changed, nothing written";

        Design previewed;
        ASSERT_TRUE(ReadDesign(kSettingsFile, number, &previewed));
        InstallDesignBrush(surface_.dc, &slot_, previewed.look);
        EXPECT_EQ(reads + 3, SettingsReadCount());
        EXPECT_EQ(writes + 1, SettingsWriteCount());
    }
}

}   // namespace
