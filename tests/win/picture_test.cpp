// Pictures made here in several formats become the background brush; bad
// pictures are refused with their message and change nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <gdiplus.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "platform/app_folder.h"
#include "tests/win/picture_fixture.h"
#include "tests/win/test_support.h"
#include "view/background.h"
#include "view/picture.h"
#include "view/picture_size.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// 32 by 24 pixels in four flat quarters: a JPEG keeps them close enough.
constexpr int kPictureWidth = 32;
constexpr int kPictureHeight = 24;
constexpr COLORREF kQuarters[4] = {RGB(200, 30, 30), RGB(30, 160, 40), RGB(20, 40, 210), RGB(240, 220, 40)};

COLORREF PictureColour(int x, int y)
{
    return kQuarters[(x >= kPictureWidth / 2) + 2 * (y >= kPictureHeight / 2)];
}

bool SavePicture(const std::string& path, const wchar_t* mime)
{
    std::vector<DWORD> pixels((size_t)kPictureWidth * kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            COLORREF c = PictureColour(x, y);
            pixels[y * kPictureWidth + x] = 0xFF000000 | (GetRValue(c) << 16) | (GetGValue(c) << 8) |
                                            GetBValue(c);
        }
    }
    GpBitmap* bitmap = nullptr;
    CLSID encoder;
    if (FindImageEncoder(mime, &encoder) < 0 ||
        GdipCreateBitmapFromScan0(kPictureWidth, kPictureHeight, kPictureWidth * 4, PixelFormat32bppARGB,
                                  reinterpret_cast<BYTE*>(pixels.data()), &bitmap) != Ok) {
        return false;
    }
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    bool saved = GdipSaveImageToFile(bitmap, wide, &encoder, nullptr) == Ok;
    GdipDisposeImage(bitmap);
    return saved;
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class Picture : public PictureTest {
protected:
    Picture() : PictureTest(80, 60) {}

    bool Apply(const std::string& path)
    {
        record_ = {};
        return ApplyPictureBrush(surface_.dc, path.c_str(), converted_.c_str(), &slot_, &record_);
    }

    // Fills the surface with its selected brush; how many pixels differ
    // from the picture tiled from the top-left corner at its own size.
    int TiledMismatches(int tolerance)
    {
        PatBlt(surface_.dc, 0, 0, 80, 60, PATCOPY);
        GdiFlush();
        int wrong = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 80; ++x) {
                // Block edges of a JPEG blur: compare away from them.
                int px = x % kPictureWidth, py = y % kPictureHeight;
                if (tolerance > 0 && (px % 16 < 3 || px % 16 > 12 || py % 12 < 3 || py % 12 > 8)) {
                    continue;
                }
                wrong += !Near(SurfacePixel(surface_, x, y), PictureColour(px, py), tolerance);
            }
        }
        return wrong;
    }

    BackgroundRecord record_ = {};
};

TEST_F(Picture, PngJpegUpperCaseBmpAndDrawingsBecomeTiledBackgrounds)
{
    const std::string png = Path("photo.png");
    const std::string jpeg = Path("photo.jpg");
    const std::string bmp = Path("PHOTO.BMP");
    ASSERT_TRUE(SavePicture(png, L"image/png"));
    ASSERT_TRUE(SavePicture(jpeg, L"image/jpeg"));
    ASSERT_TRUE(SavePicture(bmp, L"image/bmp"));

    ASSERT_TRUE(Apply(bmp));
    EXPECT_EQ(0, TiledMismatches(0));
    EXPECT_STREQ(bmp.c_str(), record_.bitmap);
    EXPECT_STREQ(kNoKeyValue, record_.orgFile);
    EXPECT_EQ(BS_PATTERN, record_.brush.style);
    EXPECT_FALSE(PathExists(converted_)) << "a BMP is used as it is";

    ASSERT_TRUE(Apply(png));
    EXPECT_EQ(0, TiledMismatches(0));
    EXPECT_STREQ(kNoKeyValue, record_.bitmap);
    EXPECT_STREQ(png.c_str(), record_.orgFile);
    EXPECT_TRUE(PathExists(converted_));

    ASSERT_TRUE(Apply(jpeg));
    EXPECT_EQ(0, TiledMismatches(24));
    EXPECT_STREQ(jpeg.c_str(), record_.orgFile);
    EXPECT_TRUE(Told().empty());

    // A drawing has no pixels of its own: it is drawn.
    const std::string emf = Path("drawing.emf");
    HDC drawing = CreateEnhMetaFileA(nullptr, emf.c_str(), nullptr, nullptr);
    const RECT all = {0, 0, 40, 30};
    HBRUSH red = CreateSolidBrush(kQuarters[0]);
    FillRect(drawing, &all, red);
    DeleteObject(red);
    DeleteEnhMetaFile(CloseEnhMetaFile(drawing));
    ASSERT_TRUE(Apply(emf));
    PatBlt(surface_.dc, 0, 0, 80, 60, PATCOPY);
    GdiFlush();
    EXPECT_EQ(kQuarters[0], SurfacePixel(surface_, 5, 5));
    EXPECT_STREQ(emf.c_str(), record_.orgFile);

    PictureSize size = {};
    for (const std::string& path : {png, jpeg, bmp}) {
        ASSERT_TRUE(ReadPictureSize(path.c_str(), &size)) << path;
        EXPECT_EQ(32u, size.width);
        EXPECT_EQ(24u, size.height);
    }
}

// A PNG's first bytes claiming width by height pixels, padded to length.
std::string PngClaiming(unsigned width, unsigned height, size_t length)
{
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (unsigned value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            png += (char)(value >> shift & 0xFF);
        }
    }
    png += std::string("\x08\x02\0\0\0", 5);
    png.resize(length, '\0');
    return png;
}

// An uncompressed 24-bit BMP's headers claiming width by height pixels.
std::string BmpClaiming(unsigned width, unsigned height)
{
    std::string bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[14] = 40;
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = (char)(width >> (8 * i) & 0xFF);
        bmp[22 + i] = (char)(height >> (8 * i) & 0xFF);
    }
    bmp[28] = 24;
    return bmp;
}

TEST_F(Picture, BadPicturesKeepTheBackgroundAndSayWhy)
{
    const HBRUSH before = slot_;
    const std::string text = Path("notes.png");
    ASSERT_TRUE(WriteWholeFile(text, "not a picture"));
    ASSERT_TRUE(SavePicture(converted_, L"image/bmp"));

    // No real picture has a side of 70,000 pixels, 20,000 by 20,000 pixels
    // in a few bytes, or pixels that would take gigabytes to decode.
    ASSERT_TRUE(WriteWholeFile(Path("wide.png"), PngClaiming(70000, 10, (size_t)64 * 1024)));
    ASSERT_TRUE(WriteWholeFile(Path("tall.bmp"), BmpClaiming(10, 70000)));
    ASSERT_TRUE(WriteWholeFile(Path("huge.png"), PngClaiming(20000, 20000, 29)));
    ASSERT_TRUE(WriteWholeFile(Path("huge.bmp"), BmpClaiming(20000, 20000)));
    ASSERT_TRUE(WriteWholeFile(Path("many.png"), PngClaiming(20000, 20000, (size_t)64 * 1024)));

    const char* refused[] = {"notes.png", "gone.png", "gone.bmp", "wide.png",
                             "tall.bmp",  "huge.png", "huge.bmp", "many.png"};
    EXPECT_FALSE(Apply(converted_));
    for (const char* name : refused) {
        EXPECT_FALSE(Apply(Path(name))) << name;
    }
    EXPECT_EQ(before, slot_);
    EXPECT_GT(TiledMismatches(0), 0) << "the fallback colour is still there";
    const std::string failed = kPictureConversionFailedText;
    const std::string tooLarge = kPictureTooLargeText;
    const std::string damaged = kPictureDamagedText;
    const std::vector<std::string> told = {std::string(kPictureRefusedText) + "|pelmo.bmp",
                                           failed + "|" + text,
                                           failed + "|" + Path("gone.png"),
                                           failed + "|" + Path("gone.bmp"),
                                           tooLarge + "|" + Path("wide.png"),
                                           tooLarge + "|" + Path("tall.bmp"),
                                           damaged + "|" + Path("huge.png"),
                                           damaged + "|" + Path("huge.bmp"),
                                           tooLarge + "|" + Path("many.png")};
    EXPECT_EQ(told, Told());
}

TEST_F(Picture, APathOf259BytesStillWorks)
{
    std::string folder = folder_;
    while (folder.size() < 230) {
        folder += "deep\\";
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    std::string path = folder + std::string(259 - folder.size() - 4, 'p') + ".BMP";
    ASSERT_EQ(259u, path.size());
    ASSERT_TRUE(SavePicture(path, L"image/bmp"));
    ASSERT_TRUE(Apply(path));
    EXPECT_EQ(0, TiledMismatches(0));
    EXPECT_STREQ(path.c_str(), record_.bitmap);
}

TEST_F(Picture, StoredBackgroundsAtStartFallBackQuietly)
{
    const std::string png = Path("photo.png");
    ASSERT_TRUE(SavePicture(png, L"image/png"));
    BackgroundRecord stored = {{BS_PATTERN, 0, 0}, "", ""};
    strcpy(stored.bitmap, kNoKeyValue);
    strcpy(stored.orgFile, png.c_str());

    bool fellBack = true;
    HBRUSH brush = CreateBackgroundBrush(stored, converted_.c_str(), &fellBack);
    EXPECT_FALSE(fellBack);
    LOGBRUSH made = {};
    GetObjectA(brush, sizeof made, &made);
    EXPECT_EQ((UINT)BS_PATTERN, made.lbStyle);
    DeleteObject(brush);
    EXPECT_TRUE(PathExists(converted_)) << "converted again at every start";

    // A picture named but gone, none named, or a style no brush has: the
    // solid fallback colour, and no message.
    strcpy(stored.orgFile, kNoKeyValue);
    strcpy(stored.bitmap, Path("gone.bmp").c_str());
    for (int32_t style : {BS_PATTERN, 1, 7}) {
        stored.brush.style = style;
        brush = CreateBackgroundBrush(stored, converted_.c_str(), &fellBack);
        EXPECT_TRUE(fellBack) << style;
        GetObjectA(brush, sizeof made, &made);
        EXPECT_EQ((UINT)BS_SOLID, made.lbStyle);
        EXPECT_EQ(kFallbackBackgroundColor, made.lbColor);
        DeleteObject(brush);
    }
    EXPECT_TRUE(Told().empty());

    BackgroundRecord hatch = {{BS_HATCHED, RGB(1, 2, 3), HS_CROSS}, "", ""};
    brush = CreateBackgroundBrush(hatch, converted_.c_str(), &fellBack);
    EXPECT_FALSE(fellBack);
    GetObjectA(brush, sizeof made, &made);
    EXPECT_EQ((UINT)BS_HATCHED, made.lbStyle);
    EXPECT_EQ((ULONG_PTR)HS_CROSS, made.lbHatch);
    DeleteObject(brush);
}

TEST(PictureHeader, SizesFromEveryKnownHeaderAndNothingFromOthers)
{
    const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 0x40, 0x01, 0xF0, 0x00};
    const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00, 0xFF,
                                  0xC2, 0x00, 0x11, 0x08, 0x01, 0xE0, 0x02, 0x80, 0x03};
    const unsigned char text[] = "hello, world";
    PictureSize size = {};
    ASSERT_TRUE(PictureSizeFromHeader(gif, sizeof gif, &size));
    EXPECT_EQ(320u, size.width);
    EXPECT_EQ(240u, size.height);
    ASSERT_TRUE(PictureSizeFromHeader(jpeg, sizeof jpeg, &size));
    EXPECT_EQ(640u, size.width);
    EXPECT_EQ(480u, size.height);
    EXPECT_FALSE(PictureSizeFromHeader(text, sizeof text, &size));
    EXPECT_FALSE(PictureSizeFromHeader(jpeg, 8, &size)) << "cut short before its frame";

    // A camera's JPEG may carry more metadata before its frame than any
    // fixed window of its start holds.
    std::string photo("\xFF\xD8", 2);
    for (int segment = 0; segment < 3; ++segment) {
        photo += std::string("\xFF\xE1\xFF\xF0", 4) + std::string(0xFFF0 - 2, 'm');
    }
    photo += std::string((const char*)jpeg + 8, sizeof jpeg - 8);
    ASSERT_TRUE(PictureSizeFromHeader((const unsigned char*)photo.data(), (unsigned)photo.size(), &size));
    EXPECT_EQ(640u, size.width);
    EXPECT_EQ(512ull * photo.size(), size.mostPixels);

    // A TIFF's directory, in either byte order, wherever the file puts it.
    const unsigned char intel[] = {'I', 'I', 42, 0, 12, 0, 0, 0, 0,    0,    0, 0, 2, 0,
                                   0,   1,   3,  0, 1,  0, 0, 0, 0x80, 0x3E, 0, 0,    // width 16000 (short)
                                   1,   1,   4,  0, 1,  0, 0, 0, 0xA0, 0x0F, 0, 0};   // height 4000 (long)
    const unsigned char motorola[] = {'M', 'M', 0, 42, 0, 0, 0, 8, 0,    2,    1, 0,
                                      0,   4,   0, 0,  0, 1, 0, 1, 0x11, 0x70,          // width 70000
                                      1,   1,   0, 3,  0, 0, 0, 1, 0x0F, 0xA0, 0, 0};   // height 4000
    ASSERT_TRUE(PictureSizeFromHeader(intel, sizeof intel, &size));
    EXPECT_EQ(16000u, size.width);
    EXPECT_EQ(4000u, size.height);
    ASSERT_TRUE(PictureSizeFromHeader(motorola, sizeof motorola, &size));
    EXPECT_EQ(70000u, size.width);
    EXPECT_EQ(4000u, size.height);
    EXPECT_FALSE(PictureSizeFromHeader(intel, 20, &size)) << "its directory cut short";
}

TEST(PictureHeader, TheLimitsOfARealPicture)
{
    EXPECT_EQ(PictureFit::Usable, JudgePictureSize({65535, 1, 0}));
    EXPECT_EQ(PictureFit::TooLarge, JudgePictureSize({65536, 1, 0}));
    EXPECT_EQ(PictureFit::TooLarge, JudgePictureSize({1, 70000, 70000}));
    EXPECT_EQ(PictureFit::Usable, JudgePictureSize({12000, 10000, 0}));
    EXPECT_EQ(PictureFit::TooLarge, JudgePictureSize({12000, 10001, 0}));
    EXPECT_EQ(PictureFit::Usable, JudgePictureSize({16000, 4000, 64000000}));
    EXPECT_EQ(PictureFit::Damaged, JudgePictureSize({16000, 4000, 63999999}));
}

}   // namespace
