// The calendar window in this process, driven by the messages a user's
// input produces: paging by keys, wheel and header double clicks, the range
// rule, resizing, dropped pictures, and what a log-off query and a close
// leave in the settings file.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <gdiplus.h>
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/calendar_window.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"
#include "view/picture.h"
#include "view/picture_size.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

class CalendarWindow : public CalendarTest {
protected:
    void SetUp() override
    {
        CalendarTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        LaunchOrdinary();
    }

    void DoubleClickHeader(int column)
    {
        RECT client;
        GetClientRect(calendar_, &client);
        int cw = client.right / 7;
        int ch = client.bottom / 8;
        SendMessageA(calendar_, WM_LBUTTONDBLCLK, 0, MAKELPARAM(column * cw + cw / 2, ch + ch / 2));
    }

    void Wheel(short delta, bool overWindow)
    {
        RECT frame;
        GetWindowRect(calendar_, &frame);
        POINT at = {frame.left + 20, frame.top + 20};
        if (!overWindow) {
            at.x = frame.right + 50;
        }
        SendMessageA(calendar_, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.x, at.y));
    }

    COLORREF ScreenPixel(int x, int y) { return WindowPixel(calendar_, x, y); }
};

// A 24-bit BMP file of one colour.
bool WriteSolidBmp(const std::string& path, COLORREF colour, int width, int height)
{
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string bytes((const char*)&file, sizeof file);
    bytes.append((const char*)&info, sizeof info);
    std::string row(stride, '\0');
    for (int x = 0; x < width; ++x) {
        const size_t at = (size_t)x * 3;
        row[at] = (char)GetBValue(colour);
        row[at + 1] = (char)GetGValue(colour);
        row[at + 2] = (char)GetRValue(colour);
    }
    for (int y = 0; y < height; ++y) {
        bytes += row;
    }
    return WriteWholeFile(path, bytes);
}

// The drop handle a shell would send for these files.
HDROP MakeDrop(const std::vector<std::string>& paths)
{
    size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) {
        bytes += path.size() + 1;
    }
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    DROPFILES* drop = (DROPFILES*)GlobalLock(memory);
    drop->pFiles = sizeof(DROPFILES);
    char* names = (char*)(drop + 1);
    for (const std::string& path : paths) {
        memcpy(names, path.c_str(), path.size() + 1);
        names += path.size() + 1;
    }
    GlobalUnlock(memory);
    return (HDROP)memory;
}

TEST_F(CalendarWindow, KeysWheelAndHeadersPageThroughMonths)
{
    EXPECT_EQ(0, CalendarMonthOffset());
    SendMessageA(calendar_, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(1, CalendarMonthOffset());
    SendMessageA(calendar_, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(calendar_, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(-1, CalendarMonthOffset());
    SendMessageA(calendar_, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(-1, CalendarMonthOffset());

    Wheel(WHEEL_DELTA, true);
    EXPECT_EQ(-2, CalendarMonthOffset());
    Wheel(-WHEEL_DELTA, true);
    Wheel(-WHEEL_DELTA, true);
    EXPECT_EQ(0, CalendarMonthOffset());
    Wheel(-WHEEL_DELTA, false);
    EXPECT_EQ(0, CalendarMonthOffset()) << "a wheel over another window does nothing";

    DoubleClickHeader(0);
    EXPECT_EQ(12, CalendarMonthOffset());
    DoubleClickHeader(1);
    DoubleClickHeader(1);
    EXPECT_EQ(-12, CalendarMonthOffset());
    DoubleClickHeader(2);
    EXPECT_EQ(108, CalendarMonthOffset());
    DoubleClickHeader(3);
    EXPECT_EQ(-12, CalendarMonthOffset());

    // The title band brings the current month back.
    SendMessageA(calendar_, WM_LBUTTONDBLCLK, 0, MAKELPARAM(30, 3));
    EXPECT_EQ(0, CalendarMonthOffset());
}

TEST_F(CalendarWindow, SteppingPastTheFirstYearReturnsToTheCurrentMonth)
{
    int year = CalendarNow().year;
    int decades = (year - 1) / 10;
    for (int i = 0; i < decades; ++i) {
        DoubleClickHeader(3);
    }
    EXPECT_EQ(-120 * decades, CalendarMonthOffset()) << "still within year 1";
    DoubleClickHeader(3);
    EXPECT_EQ(0, CalendarMonthOffset());
}

TEST_F(CalendarWindow, LogOffQuerySavesAndKeepsTheCalendarWorking)
{
    SetWindowPos(calendar_, nullptr, 40, 60, 210, 240, SWP_NOZORDER);
    EXPECT_EQ(TRUE, SendMessageA(calendar_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    EXPECT_EQ(40, ReadInt("POSITION", "LEFT"));
    EXPECT_EQ(300, ReadInt("POSITION", "BOTTOM"));
    EXPECT_EQ(16777185, ReadInt("BGBRUSH", "COLOR"));

    // Another program cancels the log-off: the calendar must still draw.
    unsigned before = CalendarRefreshCount();
    SendMessageA(calendar_, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(1, CalendarMonthOffset());
    EXPECT_EQ(before + 1, CalendarRefreshCount());
    HDC dc = GetDC(calendar_);
    ReleaseDC(calendar_, dc);
    EXPECT_TRUE(IsWindow(calendar_));
}

TEST_F(CalendarWindow, CloseSavesEverythingAndRemovesTheWorkingCopy)
{
    EXPECT_TRUE(PumpUntil([&] { return PathExists(Path("temp.ini")); })) << "made after the first frame";
    SetWindowPos(calendar_, nullptr, 120, 130, 250, 260, SWP_NOZORDER);
    SendMessageA(calendar_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(calendar_));
    EXPECT_EQ(120, ReadInt("POSITION", "LEFT"));
    EXPECT_EQ(390, ReadInt("POSITION", "BOTTOM"));
    EXPECT_EQ(0, ReadInt("REGIST", "SUM"));
    EXPECT_EQ(0, ReadInt("REGIST", "CHANGE"));
    EXPECT_EQ(0, ReadInt("SHELLLINK", "STARTUP"));
    EXPECT_EQ(1, ReadInt("FORMAT", "PARTITION"));
    EXPECT_EQ(18, ReadInt("TOOLTIP", "FONTHEIGHT"));
    EXPECT_FALSE(PathExists(Path("temp.ini")));
}

TEST_F(CalendarWindow, ADroppedPictureBecomesTheBackgroundAndOutlivesRestarts)
{
    const COLORREF green = RGB(20, 180, 60);
    const std::string first = Path("first.bmp");
    ASSERT_TRUE(WriteSolidBmp(first, green, 8, 8));
    ASSERT_TRUE(WriteSolidBmp(Path("second.bmp"), RGB(200, 0, 0), 8, 8));
    EXPECT_EQ(RGB(0xE1, 0xFF, 0xFF), ScreenPixel(2, 2));

    HDROP drop = MakeDrop({first, Path("second.bmp")});
    SendMessageA(calendar_, WM_DROPFILES, (WPARAM)drop, 0);
    EXPECT_EQ(0u, GlobalSize(drop)) << "the drop is finished";
    EXPECT_EQ(green, ScreenPixel(2, 2));
    EXPECT_EQ(BS_PATTERN, ReadInt("BGBRUSH", "STYLE"));
    EXPECT_EQ(first, Read("BGBRUSH", "BITMAP"));
    EXPECT_EQ("no key value", Read("BGBRUSH", "ORGFILE"));

    Launch();
    EXPECT_EQ(green, ScreenPixel(2, 2));
    EXPECT_EQ(1, ReadInt("REGIST", "CHANGE")) << "a dropped picture is an unregistered change";

    // Gone for one run (a drive not plugged in): the fallback colour shows,
    // and the picture is still named when it comes back.
    ASSERT_TRUE(MoveFileA(first.c_str(), Path("away.bmp").c_str()));
    Launch();
    EXPECT_EQ(RGB(0xE1, 0xFF, 0xFF), ScreenPixel(2, 2));
    SendMessageA(calendar_, WM_CLOSE, 0, 0);
    EXPECT_EQ(BS_PATTERN, ReadInt("BGBRUSH", "STYLE"));
    EXPECT_EQ(first, Read("BGBRUSH", "BITMAP"));
}

// A stand-in for the user's hand: the button pressed, moves and the
// release, through the system's own input.
void SendMouse(DWORD flags, POINT at)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // Absolute positions run from 0 to 65535 across the primary screen.
    input.mi.dx = (LONG)(((LONGLONG)at.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) /
                         GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = (LONG)(((LONGLONG)at.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) /
                         GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

struct Drag {
    DWORD thread;   // the calendar's, which runs the system's size loop
    HWND window;
    POINT to;
    bool sizing;   // seen: the size loop ran
};

bool InSizeLoop(DWORD thread)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE);
}

// Waits for the size loop, pulls the corner far up and left, and lets go
// once the window has followed as far as it will.
DWORD WINAPI DragCorner(void* param)
{
    Drag* drag = (Drag*)param;
    for (int tries = 0; tries < 500 && !InSizeLoop(drag->thread); ++tries) {
        Sleep(20);
    }
    drag->sizing = InSizeLoop(drag->thread);
    SendMouse(0, drag->to);
    RECT before;
    GetWindowRect(drag->window, &before);
    for (int tries = 0; tries < 250; ++tries) {
        RECT now;
        GetWindowRect(drag->window, &now);
        if (!EqualRect(&now, &before)) {
            break;
        }
        Sleep(20);
    }
    SendMouse(MOUSEEVENTF_LEFTUP, drag->to);
    return 0;
}

TEST_F(CalendarWindow, DraggedSmallItStopsAtTheSmallestUsableSizeAndKeepsItsPlace)
{
    SetWindowPos(calendar_, HWND_TOP, 200, 150, 196, 200, 0);
    SetForegroundWindow(calendar_);
    Drag drag = {GetCurrentThreadId(), calendar_, {205, 155}, false};
    // The first move with the button held hands the drag to the system.
    SendMouse(MOUSEEVENTF_LEFTDOWN, {200 + 196 - 3, 150 + 200 - 3});
    SendMouse(0, {200 + 196 - 4, 150 + 200 - 4});
    HANDLE hand = CreateThread(nullptr, 0, DragCorner, &drag, 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &hand, FALSE, 30000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
    }
    CloseHandle(hand);
    EXPECT_TRUE(drag.sizing) << "the corner's drag resized the window";

    const RECT smallest = {200, 150, 200 + 112, 150 + 128};
    RECT rect;
    GetWindowRect(calendar_, &rect);
    EXPECT_TRUE(EqualRect(&smallest, &rect))
        << rect.left << "," << rect.top << " " << rect.right - rect.left << " by " << rect.bottom - rect.top;
    Launch();
    GetWindowRect(calendar_, &rect);
    EXPECT_TRUE(EqualRect(&smallest, &rect)) << "after a restart: " << rect.left << "," << rect.top << " "
                                             << rect.right - rect.left << " by " << rect.bottom - rect.top;
}

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
    return FindImageEncoder(mime, &encoder) >= 0 &&
           GdipSaveImageToFile(bitmap, wide, &encoder, nullptr) == Ok;
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
            PlaceColour(x, y, row + (size_t)x * 3);
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

std::vector<std::string> s_pictureMessages;

int WINAPI RecordPictureMessage(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    s_pictureMessages.push_back(std::string(text) + "|" + caption);
    return IDOK;
}

// A panorama and a large camera's photo show exactly what the same picture
// cropped by hand to the screen shows, and pelmo.bmp holds no more.
TEST_F(CalendarWindow, APictureLargerThanTheScreenShowsAsTheWholeWould)
{
    ULONG_PTR gdiplus = 0;
    GdiplusStartupInput input;
    ASSERT_EQ(Ok, GdiplusStartup(&gdiplus, &input, nullptr));
    s_pictureMessages.clear();
    standIns_.Put(&SystemCalls::messageBox, RecordPictureMessage);
    // All of the part that can ever show is seen, and no tooltip over it.
    const SIZE screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SetWindowPos(calendar_, HWND_TOP, 0, 0, screen.cx, screen.cy, 0);
    SendMessageA(calendar_, WM_COMMAND, IDM_TOOLTIPS_OFF, 0);
    Surface shown = {};
    ASSERT_TRUE(CreateSurface(&shown, screen.cx, screen.cy));
    auto shownWith = [&](const std::string& picture) {
        SendMessageA(calendar_, WM_DROPFILES, (WPARAM)MakeDrop({picture}), 0);
        UpdateWindow(calendar_);
        HDC window = GetDC(calendar_);
        BitBlt(shown.dc, 0, 0, screen.cx, screen.cy, window, 0, 0, SRCCOPY);
        ReleaseDC(calendar_, window);
        GdiFlush();
        return std::vector<DWORD>(shown.bits, shown.bits + (size_t)screen.cx * screen.cy);
    };

    struct Case {
        const char* name;
        const wchar_t* mime;
        int width;
        int height;
    };
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
        const int width = c.width < screen.cx ? c.width : screen.cx;
        const int height = c.height < screen.cy ? c.height : screen.cy;
        ASSERT_TRUE(MakePicture(picture, c.mime, c.width, c.height));
        ASSERT_TRUE(CropByHand(picture, byHand, width, height));
        const std::vector<DWORD> whole = shownWith(picture);
        const bool bmp = std::string(c.name).find(".bmp") != std::string::npos;
        EXPECT_EQ(bmp ? picture : kNoKeyValue, Read("BGBRUSH", "BITMAP"));
        const std::vector<DWORD> cropped = shownWith(byHand);
        size_t differ = 0;
        for (size_t i = 0; i < whole.size(); ++i) {
            // A screen's pixel is its colour; the fourth byte of a 32-bit
            // copy of it means nothing.
            differ += (whole[i] & 0xFFFFFF) != (cropped[i] & 0xFFFFFF);
        }
        EXPECT_EQ(0u, differ) << "pixels that differ from the picture cropped by hand";
        PictureSize kept = {};
        EXPECT_TRUE(bmp || (ReadPictureSize(Path("pelmo.bmp").c_str(), &kept) &&
                            kept.width == (unsigned)width && kept.height == (unsigned)height));
        DeleteFileA(picture.c_str());
    }
    EXPECT_TRUE(s_pictureMessages.empty()) << s_pictureMessages.front();
    DestroySurface(&shown);
    GdiplusShutdown(gdiplus);
}

}   // namespace
