#include "tests/win/picture_fixture.h"

#include <gdiplus.h>

#include "view/background.h"

static int WINAPI RecordMessage(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    PictureTest::Told().push_back(std::string(text) + "|" + caption);
    return IDOK;
}

std::vector<std::string>& PictureTest::Told()
{
    static std::vector<std::string> told;
    return told;
}

void PictureTest::SetUp()
{
    AppFolderTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&token_, &input, nullptr));
    Told().clear();
    standIns_.Put(&SystemCalls::messageBox, RecordMessage);
    converted_ = Path("pelmo.bmp");
    ASSERT_TRUE(CreateSurface(&surface_, width_, height_));
    slot_ = CreateSolidBrush(kFallbackBackgroundColor);
    SelectObject(surface_.dc, slot_);
}

void PictureTest::TearDown()
{
    DestroySurface(&surface_);
    DeleteObject(slot_);
    Gdiplus::GdiplusShutdown(token_);
    AppFolderTest::TearDown();
}
