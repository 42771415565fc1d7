// Pictures larger than the screen dropped on the running calendar: a
// panorama and a large camera's photo show exactly what the same picture
// cropped by hand to the screen shows, and pelmo.bmp holds no more.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <gdiplus.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win/test_support.h"
#include "view/picture.h"
#include "view/picture_size.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// Every pixel of a 4096 by 4096 square tells its own place, so a part taken
// from elsewhere, or scaled, shows.
void PlaceColour(int x, int y, BYTE* bgr)
{
    bgr[0] = (BYTE)(((x >> 8) * 16 + (y >> 8)) & 0xFF);
    bgr[1] = (BYTE)(y & 0xFF);
    bgr[2] = (BYTE)(x & 0xFF);
}

bool SaveBitmap(GpBitmap* bitmap, const std::string& path, const wchar_t* mime)
{
    CLSID encoder;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    return FindImageEncoder(mime, &encoder) >= 0 && GdipSaveImageToFile(bitmap, wide, &encoder, nullptr) == Ok;
}

bool MakePicture(const std::string& path, const wchar_t* mime, int width, int height)
{
    GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat24bppRGB, nullptr, &bitmap) != Ok) {
        return false;
    }
    GpRect all = {0, 0, width, height};
    BitmapData data;
    bool made = GdipBitmapLockBits(bitmap, &all, ImageLockModeWrite, PixelFormat24bppRGB, &data) == Ok;
    for (int y = 0; made && y < height; ++y) {
        BYTE* row = (BYTE*)data.Scan0 + (size_t)y * data.Stride;
        for (int x = 0; x < width; ++x) {
            PlaceColour(x, y, row + 3 * x);
        }
    }
    made = made && GdipBitmapUnlockBits(bitmap, &data) == Ok && SaveBitmap(bitmap, path, mime);
    GdipDisposeImage(bitmap);
    return made;
}

// A BMP of the top-left width by height pixels of picture, as decoded by
// GDI+ (a JPEG's pixels are what its decoder makes of them).
bool CropByHand(const std::string& picture, const std::string& bmp, int width, int height)
{
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, picture.c_str(), -1, wide, MAX_PATH);
    GpBitmap* whole = nullptr;
    if (GdipCreateBitmapFromFile(wide, &whole) != Ok) {
        return false;
    }
    GpRect part = {0, 0, width, height};
    BitmapData data;
    GpBitmap* cropped = nullptr;
    bool saved = false;
    if (GdipBitmapLockBits(whole, &part, ImageLockModeRead, PixelFormat24bppRGB, &data) == Ok) {
        saved = GdipCreateBitmapFromScan0(width, height, data.Stride, PixelFormat24bppRGB, (BYTE*)data.Scan0,
                                          &cropped) == Ok &&
                SaveBitmap(cropped, bmp, L"image/bmp");
        GdipDisposeImage(cropped);
        GdipBitmapUnlockBits(whole, &data);
    }
    GdipDisposeImage(whole);
    return saved;
}

HDROP MakeDrop(const std::string& path)
{
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2);
    DROPFILES* drop = (DROPFILES*)GlobalLock(memory);
    drop->pFiles = sizeof(DROPFILES);
    memcpy(drop + 1, path.c_str(), path.size() + 1);
    GlobalUnlock(memory);
    return (HDROP)memory;
}

std::vector<std::string> s_messages;

int WINAPI RecordMessage(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    s_messages.push_back(std::string(text) + "|" + caption);
    return IDOK;
}

class LargePicture : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        GdiplusStartupInput input;
        ASSERT_EQ(Ok, GdiplusStartup(&token_, &input, nullptr));
        s_messages.clear();
        SetPictureMessageBox(RecordMessage);
        WritePrivateProfileStringA("SHELLLINK", "STARTUP", "0", Path("pelmo.ini").c_str());
        calendar_ = StartCalendar(&owner_);
        ASSERT_NE(nullptr, calendar_);
        // The whole screen, so all of the part that can ever show is seen,
        // and no tooltip over it.
        screen_ = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SetWindowPos(calendar_, HWND_TOP, 0, 0, screen_.cx, screen_.cy, 0);
        SendMessageA(calendar_, WM_COMMAND, IDM_TOOLTIPS_OFF, 0);
        ASSERT_TRUE(CreateSurface(&shown_, screen_.cx, screen_.cy));
    }

    void TearDown() override
    {
        DestroySurface(&shown_);
        StopCalendar(owner_, calendar_);
        SetPictureMessageBox(nullptr);
        GdiplusShutdown(token_);
        AppFolderTest::TearDown();
    }

    // What the calendar shows with the picture dropped on it.
    std::vector<DWORD> ShownWith(const std::string& picture)
    {
        SendMessageA(calendar_, WM_DROPFILES, (WPARAM)MakeDrop(picture), 0);
        UpdateWindow(calendar_);
        HDC window = GetDC(calendar_);
        BitBlt(shown_.dc, 0, 0, screen_.cx, screen_.cy, window, 0, 0, SRCCOPY);
        ReleaseDC(calendar_, window);
        GdiFlush();
        return std::vector<DWORD>(shown_.bits, shown_.bits + (size_t)screen_.cx * screen_.cy);
    }

    std::string StoredBitmap()
    {
        char text[MAX_PATH] = {};
        GetPrivateProfileStringA("BGBRUSH", "BITMAP", "", text, sizeof text, Path("pelmo.ini").c_str());
        return text;
    }

    ULONG_PTR token_ = 0;
    HWND owner_ = nullptr;
    HWND calendar_ = nullptr;
    SIZE screen_ = {};
    Surface shown_ = {};
};

TEST_F(LargePicture, OnlyThePartThatCanShowIsKeptAndItShowsAsTheWholeWould)
{
    struct Case { const char* name; const wchar_t* mime; int width; int height; };
    const Case cases[] = {
        {"panorama.png", L"image/png", 16000, 4000},
        {"photo.jpg", L"image/jpeg", 12000, 9000},
        // Wider than the screen only: the strip repeats down the window.
        {"strip.png", L"image/png", 3000, 300},
        {"strip.bmp", L"image/bmp", 3000, 300},   // loaded as it is, not converted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string picture = Path(c.name);
        const std::string byHand = Path("by hand.bmp");
        const int width = c.width < screen_.cx ? c.width : screen_.cx;
        const int height = c.height < screen_.cy ? c.height : screen_.cy;
        ASSERT_TRUE(MakePicture(picture, c.mime, c.width, c.height));
        ASSERT_TRUE(CropByHand(picture, byHand, width, height));

        const std::vector<DWORD> whole = ShownWith(picture);
        const bool bmp = std::string(c.name).find(".bmp") != std::string::npos;
        EXPECT_EQ(bmp ? picture : kNoKeyValue, StoredBitmap());
        const std::vector<DWORD> cropped = ShownWith(byHand);
        size_t differ = 0;
        for (size_t i = 0; i < whole.size(); ++i) {
            // A screen's pixel is its colour; the fourth byte of a 32-bit
            // copy of it means nothing.
            differ += (whole[i] & 0xFFFFFF) != (cropped[i] & 0xFFFFFF);
        }
        EXPECT_EQ(0u, differ) << "pixels that differ from the picture cropped by hand";
        if (!bmp) {
            PictureSize kept = {};
            ASSERT_TRUE(ReadPictureSize(Path("pelmo.bmp").c_str(), &kept));
            EXPECT_EQ((unsigned)width, kept.width);
            EXPECT_EQ((unsigned)height, kept.height);
        }
        DeleteFileA(picture.c_str());
    }
    EXPECT_TRUE(s_messages.empty()) << s_messages.front();
}

}  // namespace
