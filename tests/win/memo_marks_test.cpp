// Memo marks against a DATA folder that other programs change, on a volume
// whose folder times stand still (FAT, exFAT): the folder's last-write time
// is set back after every change, so only the change notification can tell.
#include <gtest/gtest.h>
#include <windows.h>
#include <stdio.h>

#include <string>

#include "core/dates.h"
#include "memo/memo_marks.h"
#include "memo/memo_save.h"
#include "memo/memo_store.h"
#include "tests/win/test_support.h"

namespace {

// The cell of 4 June 2012, a Monday.
const int kJune4 = 8;
const char* const kJune4Memo = "DATA\\2012年06月04日(月).dat";

// A notification travels from the other process through the Wine server;
// it is given this long to arrive, in small steps.
const int kSettleSteps = 100;
const DWORD kSettleStepMs = 20;

bool AlwaysConfirm(HWND, char* text, size_t size, bool, void*)
{
    snprintf(text, size, "%s", "memo");
    return true;
}

class MemoMarks : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(EnsureFolder(kMemoFolder));
        ASSERT_TRUE(FillMonthGrid(2012, 6, &june_));
    }

    void TearDown() override
    {
        ReleaseMemoMarks();
        AppFolderTest::TearDown();
    }

    int32_t Mark(int cell)
    {
        int32_t marked[kGridCells];
        MarkMemoDates(june_, marked);
        return marked[cell];
    }

    // Marks until the cell shows expected, for a bounded while.
    bool Settles(int cell, int32_t expected)
    {
        for (int step = 0; step < kSettleSteps; ++step) {
            if (Mark(cell) == expected) {
                return true;
            }
            Sleep(kSettleStepMs);
        }
        return false;
    }

    // Runs a command line of cmd.exe in the program folder and waits for it.
    bool RunElsewhere(const std::string& command)
    {
        std::string line = "cmd.exe /c " + command;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                            folder_.c_str(), &startup, &process)) {
            return false;
        }
        DWORD code = 1;
        bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return ended && code == 0;
    }

    // Sets DATA's last-write time back to one fixed moment, as a volume whose
    // folder times do not follow their contents would leave it.
    void PinFolderTime()
    {
        HANDLE folder = CreateFileA(Path("DATA").c_str(), FILE_WRITE_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, folder);
        SYSTEMTIME pinned = {2020, 1, 3, 1, 12, 0, 0, 0};
        FILETIME time;
        ASSERT_TRUE(SystemTimeToFileTime(&pinned, &time));
        EXPECT_TRUE(SetFileTime(folder, nullptr, nullptr, &time));
        CloseHandle(folder);
    }

    MonthGrid june_ = {};
};

}   // namespace

TEST_F(MemoMarks, FollowWhatOtherProgramsDoInAFolderWhoseTimeStandsStill)
{
    PinFolderTime();
    EXPECT_EQ(0, Mark(kJune4));
    EXPECT_EQ(0, Mark(kJune4));

    ASSERT_TRUE(RunElsewhere(std::string("echo x> \"") + kJune4Memo + "\""));
    PinFolderTime();
    EXPECT_TRUE(Settles(kJune4, 1));

    ASSERT_TRUE(RunElsewhere(std::string("del \"") + kJune4Memo + "\""));
    PinFolderTime();
    EXPECT_TRUE(Settles(kJune4, 0));
}

TEST_F(MemoMarks, FollowOwnEditsAtOnceAndANewDataFolder)
{
    PinFolderTime();
    EXPECT_EQ(0, Mark(kJune4));
    EXPECT_TRUE(EditMemo(nullptr, "2012年06月04日(月)", AlwaysConfirm, nullptr));
    PinFolderTime();
    EXPECT_EQ(1, Mark(kJune4));

    // DATA taken away, then another put in its place: the new one is the
    // one watched from then on.
    RemoveTestFolder(Path("DATA\\"));
    EXPECT_EQ(0, Mark(kJune4));
    ASSERT_TRUE(EnsureFolder(kMemoFolder));
    PinFolderTime();
    EXPECT_EQ(0, Mark(kJune4));
    ASSERT_TRUE(RunElsewhere(std::string("echo x> \"") + kJune4Memo + "\""));
    PinFolderTime();
    EXPECT_TRUE(Settles(kJune4, 1));
}
