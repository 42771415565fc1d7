// A calendar kept in a folder too deep for its memo files: one clear warning
// once the first frame is shown, and the calendar goes on.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "res/resource.h"
#include "shell/long_path_notice.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"

namespace {

int s_notices;
std::string s_text;

int WINAPI RecordNotice(HWND, LPCSTR text, LPCSTR, UINT)
{
    ++s_notices;
    s_text = text;
    return IDOK;
}

class LongPath : public CalendarTest {
protected:
    void SetUp() override
    {
        CalendarTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        s_notices = 0;
        s_text.clear();
        standIns_.Put(&SystemCalls::messageBox, RecordNotice);
    }

    // A real folder whose own path still fits (so the settings file does)
    // but a memo's path in it does not.
    std::string MakeDeepFolder() const
    {
        std::string folder = folder_;
        while (folder.size() < 236) {
            folder += "deep\\";
            CreateDirectoryA(folder.c_str(), nullptr);
        }
        return folder;
    }
};

TEST_F(LongPath, OnlyAFolderTooDeepForEveryMemoIsRefused)
{
    EXPECT_TRUE(MemoPathsFit());
    // "DATA\" (5), the longest date line (19) and ".dat" (4) must fit in 259.
    std::string folder = folder_;
    folder += std::string(259 - 28 - folder.size() - 1, 'a') + "\\";
    standIns_.AppFolder(folder);
    EXPECT_TRUE(MemoPathsFit()) << folder.size();
    folder.insert(folder_.size(), "b");
    standIns_.AppFolder(folder);
    EXPECT_FALSE(MemoPathsFit()) << folder.size();
}

TEST_F(LongPath, ToldOnceAtStartAndTheCalendarGoesOn)
{
    const std::string deep = MakeDeepFolder();
    ASSERT_TRUE(PathExists(deep)) << deep.size();
    standIns_.AppFolder(deep);
    LaunchOrdinary();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(PumpUntil([] { return s_notices > 0; }));
    HWND marker = CreateMarkerWindow();
    EXPECT_TRUE(WaitForMarker(marker));
    EXPECT_EQ(1, s_notices);
    EXPECT_NE(std::string::npos, s_text.find("メモを保存できません")) << s_text;

    // Refreshes and paging do not repeat it.
    SendMessageA(calendar_, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(calendar_, WM_PELMO_REFRESH, 0, 0);
    UpdateWindow(calendar_);
    EXPECT_TRUE(WaitForMarker(marker));
    DestroyWindow(marker);
    EXPECT_EQ(1, s_notices);
    EXPECT_TRUE(IsWindowVisible(calendar_));
}

}   // namespace
