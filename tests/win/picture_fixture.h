// The set-up the picture tests share: a private folder with pelmo.bmp's
// path in it, GDI+ started, a surface whose selected brush is the
// calendar's fallback, and the messages pictures give recorded as
// "text|caption" instead of shown.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/test_support.h"

class PictureTest : public AppFolderTest {
public:
    // The messages since the test began.
    static std::vector<std::string>& Told();

protected:
    PictureTest(int width, int height) : width_(width), height_(height) {}
    void SetUp() override;
    void TearDown() override;

    const int width_;
    const int height_;
    ULONG_PTR token_ = 0;
    std::string converted_;
    Surface surface_ = {};
    HBRUSH slot_ = nullptr;
};
