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
    std::vector<DWORD> pixels(kPictureWidth * kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            COLORREF c = PictureColour(x, y);
            pixels[y * kPictureWidth + x] = 0xFF000000 | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
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

std::vector<std::string> s_messages;

int WINAPI RecordMessage(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    s_messages.push_back(std::string(text) + "|" + caption);
    return IDOK;
}

class Picture : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        GdiplusStartupInput input;
        ASSERT_EQ(Ok, GdiplusStartup(&token_, &input, nullptr));
        s_messages.clear();
        SetPictureMessageBox(RecordMessage);
        converted_ = Path("pelmo.bmp");
        ASSERT_TRUE(CreateSurface(&surface_, 80, 60));
        slot_ = CreateSolidBrush(kFallbackBackgroundColor);
        SelectObject(surface_.dc, slot_);
    }

    void TearDown() override
    {
        DestroySurface(&surface_);
        DeleteObject(slot_);
        SetPictureMessageBox(nullptr);
        GdiplusShutdown(token_);
        AppFolderTest::TearDown();
    }

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

    ULONG_PTR token_ = 0;
    std::string converted_;
    Surface surface_ = {};
    HBRUSH slot_ = nullptr;
    BackgroundRecord record_ = {};
};

TEST_F(Picture, PngJpegAndUpperCaseBmpBecomeTiledBackgrounds)
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
    EXPECT_TRUE(s_messages.empty());

    PictureSize size = {};
    for (const std::string& path : {png, jpeg, bmp}) {
        ASSERT_TRUE(ReadPictureSize(path.c_str(), &size)) << path;
        EXPECT_EQ(32u, size.width);
        EXPECT_EQ(24u, size.height);
    }
}

TEST_F(Picture, BadPicturesKeepTheBackgroundAndSayWhy)
{
    const HBRUSH before = slot_;
    const std::string text = Path("notes.png");
    ASSERT_TRUE(WriteWholeFile(text, "not a picture"));
    ASSERT_TRUE(SavePicture(converted_, L"image/bmp"));

    // A 20,000 by 20,000 picture is refused from its header alone.
    std::string hugePng("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x4e\x20\0\0\x4e\x20\x08\x02\0\0\0", 29);
    ASSERT_TRUE(WriteWholeFile(Path("huge.png"), hugePng));
    std::string hugeBmp(54, '\0');
    hugeBmp[0] = 'B';
    hugeBmp[1] = 'M';
    hugeBmp[14] = 40;
    hugeBmp[18] = 0x20;
    hugeBmp[19] = 0x4e;   // width 20000
    hugeBmp[22] = 0x20;
    hugeBmp[23] = 0x4e;   // height 20000
    ASSERT_TRUE(WriteWholeFile(Path("huge.bmp"), hugeBmp));

    EXPECT_FALSE(Apply(converted_));
    EXPECT_FALSE(Apply(text));
    EXPECT_FALSE(Apply(Path("gone.png")));
    EXPECT_FALSE(Apply(Path("gone.bmp")));
    EXPECT_FALSE(Apply(Path("huge.png")));
    EXPECT_FALSE(Apply(Path("huge.bmp")));
    EXPECT_EQ(before, slot_);
    EXPECT_GT(TiledMismatches(0), 0) << "the fallback colour is still there";
    ASSERT_EQ(6u, s_messages.size());
    EXPECT_EQ(std::string(kPictureRefusedText) + "|pelmo.bmp", s_messages[0]);
    EXPECT_EQ(std::string(kPictureConversionFailedText) + "|" + text, s_messages[1]);
    EXPECT_EQ(std::string(kPictureConversionFailedText) + "|" + Path("gone.png"), s_messages[2]);
    EXPECT_EQ(std::string(kPictureConversionFailedText) + "|" + Path("gone.bmp"), s_messages[3]);
    EXPECT_EQ(std::string(kPictureTooLargeText) + "|" + Path("huge.png"), s_messages[4]);
    EXPECT_EQ(std::string(kPictureTooLargeText) + "|" + Path("huge.bmp"), s_messages[5]);
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
    EXPECT_TRUE(s_messages.empty());

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
    const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xC2,
                                  0x00, 0x11, 0x08, 0x01, 0xE0, 0x02, 0x80, 0x03};
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
}

}  // namespace
