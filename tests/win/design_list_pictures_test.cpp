// Picture designs in the design list: a picture seen before previews from
// the bitmap the list kept, whatever pelmo.bmp holds meanwhile, until the
// list is hidden; the calendar's start makes neither GDI+ nor the list.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/resource.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"
#include "view/gdiplus_session.h"
#include "view/picture.h"
#include "view/picture_cache.h"

namespace {

constexpr COLORREF kRed = RGB(200, 30, 30);
constexpr COLORREF kBlue = RGB(20, 40, 210);
constexpr COLORREF kGreen = RGB(30, 160, 40);

class DesignListPictures : public CalendarTest {
protected:
    // Designs 2 and 3 become the pictures red.png and blue.png.
    void PreparePictures()
    {
        Prepare(3, 1);
        ASSERT_TRUE(SaveFlatPng(Path("red.png"), kRed));
        ASSERT_TRUE(SaveFlatPng(Path("blue.png"), kBlue));
        for (const char* design : {"DESIGN002", "DESIGN003"}) {
            Write(design, "BGBRUSH_STYLE", "3");
            Write(design, "BGBRUSH_BITMAP", "no key value");
        }
        Write("DESIGN002", "BGBRUSH_ORGFILE", Path("red.png"));
        Write("DESIGN003", "BGBRUSH_ORGFILE", Path("blue.png"));
    }

    unsigned Conversions() const { return PictureConversionCount(); }
};

TEST_F(DesignListPictures, APictureSeenBeforePreviewsFromMemoryUntilTheListIsHidden)
{
    PreparePictures();
    Launch();
    Open();
    unsigned before = Conversions();
    Select(1);
    EXPECT_EQ(kRed, Preview());
    Select(2);
    EXPECT_EQ(kBlue, Preview());
    EXPECT_EQ(before + 2, Conversions());
    Select(1);
    EXPECT_EQ(kRed, Preview()) << "pelmo.bmp holds the blue one now";
    Select(0);
    Select(2);
    EXPECT_EQ(kBlue, Preview());
    EXPECT_EQ(before + 2, Conversions()) << "both came from memory";

    // A picture changed between two previews shows as it is now.
    ASSERT_TRUE(SaveFlatPng(Path("red.png"), kGreen));
    Select(1);
    EXPECT_EQ(kGreen, Preview());
    EXPECT_EQ(before + 3, Conversions());
    Select(2);
    EXPECT_EQ(kBlue, Preview());
    EXPECT_EQ(before + 3, Conversions()) << "pelmo.bmp holds the green one";

    // Hidden, the list lets its bitmaps go: pelmo.bmp is converted again.
    Click(IDCANCEL);
    Open();
    Select(2);
    EXPECT_EQ(kBlue, Preview());
    EXPECT_EQ(before + 4, Conversions());
    Click(IDCANCEL);
}

// A design's keys of its own, unknown to this program, stay with it and its
// picture through a preview, a move and OK.
TEST_F(DesignListPictures, ADesignsUnknownKeysTravelWithItsPicture)
{
    PreparePictures();
    Write("DESIGN002", "STAMP", "kept as it is");
    Launch();
    Open();
    Select(1);
    EXPECT_EQ(kRed, Preview());
    Click(IDC_DESIGN_DOWN);
    Click(IDOK);
    EXPECT_EQ("kept as it is", Read("DESIGN003", "STAMP"));
    EXPECT_EQ(Path("red.png"), Read("DESIGN003", "BGBRUSH_ORGFILE"));
    EXPECT_EQ("", Read("DESIGN002", "STAMP"));
    EXPECT_EQ(kRed, Calendar());
    EXPECT_EQ(Path("red.png"), Read("BGBRUSH", "ORGFILE"));
}

// Only the first frame's needs come before it: no GDI+ for a plain colour
// or for a picture that pelmo.bmp holds, and no design list until it is
// first opened.
TEST_F(DesignListPictures, TheStartMakesNeitherGdiplusNorTheList)
{
    PreparePictures();
    Write("REGIST", "CURRENT", "2");
    WriteBrushKeys("pelmo.ini", 3, 0, 0);
    Write("BGBRUSH", "ORGFILE", Path("red.png"));
    Launch();
    EXPECT_EQ(kRed, Calendar()) << "converted by this start";
    StopCalendar(owner_, calendar_);

    ShutdownGdiplusIfStarted();
    Launch();
    EXPECT_EQ(kRed, Calendar());
    EXPECT_TRUE(PumpUntil([&] { return PathExists(Path("temp.ini")); })) << "the work after the first frame";
    EXPECT_FALSE(GdiplusWasStarted()) << "pelmo.bmp held the picture";
    EXPECT_EQ(nullptr, FindWindowA(PELMO_DESIGN_LIST_CLASS, nullptr));
    Open();
    ASSERT_NE(nullptr, list_);
    EXPECT_TRUE(IsWindowVisible(list_));
    Select(2);
    EXPECT_TRUE(GdiplusWasStarted()) << "by a picture to convert";
    Click(IDCANCEL);
}

// Four of 16 MB fill the 64 MB; a fifth drops the least recently used,
// and a file written since its bitmap was kept is no longer it.
TEST_F(DesignListPictures, TheKeptBitmapsStayWithinTheirLimit)
{
    PictureCache cache = {};
    auto keep = [&](char name, int side) {
        const std::string source = Path(std::string(1, name) + ".png");
        FileStamp stamp;
        HBITMAP bitmap = CreateBitmap(side, side, 1, 32, nullptr);
        const bool kept = WriteWholeFile(source, source) && ReadFileStamp(source.c_str(), &stamp) &&
                          KeepPicture(&cache, source.c_str(), stamp, bitmap);
        if (!kept) {
            DeleteObject(bitmap);
        }
        return kept;
    };
    auto kept = [&](char name) {
        return FindKeptPicture(&cache, Path(std::string(1, name) + ".png").c_str()) != nullptr;
    };
    for (char name : {'a', 'b', 'c', 'd'}) {
        ASSERT_TRUE(keep(name, 2048));
    }
    EXPECT_TRUE(kept('a'));
    ASSERT_TRUE(keep('e', 2048));
    EXPECT_FALSE(kept('b')) << "the least recently used";
    EXPECT_TRUE(kept('a') && kept('c'));
    EXPECT_EQ(kPictureCacheLimit, cache.bytes);
    EXPECT_FALSE(keep('f', 4200)) << "larger than the whole limit: left to the caller";
    ASSERT_TRUE(BackdateFile(Path("c.png"), 60));
    EXPECT_FALSE(kept('c'));
    ReleaseKeptPictures(&cache);
    EXPECT_EQ(0u, cache.bytes);
    EXPECT_FALSE(kept('a'));
}

}   // namespace
