// A calendar kept in a folder too deep for its memo files: one clear warning
// once the first frame is shown, and the calendar goes on.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "res/resource.h"
#include "platform/app_folder.h"
#include "shell/long_path_notice.h"
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

void Pump(DWORD milliseconds)
{
    DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while ((int)(end - GetTickCount()) > 0);
}

class LongPath : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        s_notices = 0;
        s_text.clear();
        SetLongPathNoticeBox(RecordNotice);
    }

    void TearDown() override
    {
        SetLongPathNoticeBox(nullptr);
        AppFolderTest::TearDown();
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
    OverrideAppFolder(folder.c_str());
    EXPECT_TRUE(MemoPathsFit()) << folder.size();
    folder.insert(folder_.size(), "b");
    OverrideAppFolder(folder.c_str());
    EXPECT_FALSE(MemoPathsFit()) << folder.size();
}

TEST_F(LongPath, ToldOnceAtStartAndTheCalendarGoesOn)
{
    const std::string deep = MakeDeepFolder();
    ASSERT_TRUE(PathExists(deep)) << deep.size();
    OverrideAppFolder(deep.c_str());
    WritePrivateProfileStringA("SHELLLINK", "STARTUP", "0", (deep + "pelmo.ini").c_str());
    HWND owner = nullptr;
    HWND calendar = StartCalendar(&owner);
    ASSERT_NE(nullptr, calendar);
    Pump(300);
    EXPECT_EQ(1, s_notices);
    EXPECT_NE(std::string::npos, s_text.find("メモを保存できません")) << s_text;

    // Refreshes and paging do not repeat it.
    SendMessageA(calendar, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(calendar, WM_PELMO_REFRESH, 0, 0);
    Pump(100);
    EXPECT_EQ(1, s_notices);
    EXPECT_TRUE(IsWindowVisible(calendar));

    StopCalendar(owner, calendar);
}

}  // namespace
