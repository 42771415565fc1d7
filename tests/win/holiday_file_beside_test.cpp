// The holiday file beside the program, read by the calendar window of this
// process: before its first frame, at every new minute, in the calendar and
// the design list's preview, and told once when it cannot be used.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "design/design_registry.h"
#include "platform/clock.h"
#include "res/resource.h"
#include "settings/settings_defaults.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "shell/calendar_window.h"
#include "shell/holiday_updates.h"
#include "tests/core/holiday_file_maker.h"
#include "tests/win/calendar_fixture.h"
#include "tests/win/test_support.h"
#include "view/layout.h"

namespace {

struct Told {
    std::string text, caption;
    HWND owner;
    UINT flags;
    unsigned refreshes;   // the calendar's, when the box came
};
std::vector<Told> g_told;

int WINAPI RecordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    g_told.push_back({text, caption, owner, flags, CalendarRefreshCount()});
    return IDOK;
}

// July 2026: the rules name Monday the 20th 海の日 and know no Tuesday the
// 14th; the file says otherwise. Half a minute in, so that a tick repaints
// only when the minute changes.
const DateTime kJulyMorning = {2026, 7, 3, 1, 9, 0, 30, 0};
const HolidayEdit kMoved[] = {{2026, 7, 14, "県民の日"}, {2026, 7, 20, nullptr}};
const int kWidth = 392;
const int kHeight = 400;
// Where the design list paints its preview.
const Rect kPreviewRect = {110, 30, 320, 230};

std::string Moved()
{
    return PublishedHolidayFile(2025, 2027, kMoved, sizeof kMoved / sizeof kMoved[0]);
}

// The published file saved again by an editor as UTF-8 with a byte order mark.
std::string AsUtf8(const std::string& sjis)
{
    std::wstring wide(sjis.size(), L'\0');
    wide.resize(MultiByteToWideChar(932, 0, sjis.data(), (int)sjis.size(), &wide[0], (int)wide.size()));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), (int)wide.size(), &utf8[0], (int)utf8.size(),
                                    nullptr, nullptr));
    return "\xEF\xBB\xBF" + utf8;
}

class HolidayFileBeside : public CalendarTest {
protected:
    void SetUp() override
    {
        CalendarTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        Write("SHELLLINK", "STARTUP", "0");
        g_told.clear();
        standIns_.Put(&SystemCalls::messageBox, RecordBox);
        now_ = kJulyMorning;
        standIns_.PinClock(now_);
    }

    void Start()
    {
        Launch();
        SetWindowPos(calendar_, nullptr, 0, 0, kWidth, kHeight, SWP_NOZORDER | SWP_NOMOVE);
    }

    void WriteHolidays(const std::string& bytes)
    {
        ASSERT_TRUE(WriteWholeFile(Path("syukujitsu.csv"), bytes));
    }

    // The next minute of the clock, as the timer ticks it.
    void NextMinute()
    {
        ++now_.minute;
        standIns_.PinClock(now_);
        SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    }

    // Whether the day of July 2026 is drawn in the holiday colour, in the
    // calendar or in the given area of another window.
    bool Coloured(int day, HWND window = nullptr, Rect area = {0, 0, kWidth, kHeight})
    {
        window = window ? window : calendar_;
        CalendarLayout layout = {};
        layout.clientRect = area;
        ComputeLayoutGeometry(&layout, 2026, 7);
        int cell = 0;
        while (cell < kGridCells &&
               !(layout.dates.cells[cell].month == 7 && layout.dates.cells[cell].day == day)) {
            ++cell;
        }
        Surface surface = {};
        if (cell == kGridCells || !CreateSurface(&surface, area.right, area.bottom)) {
            return false;
        }
        UpdateWindow(window);
        HDC dc = GetDC(window);
        BitBlt(surface.dc, 0, 0, area.right, area.bottom, dc, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
        GdiFlush();
        const Rect& r = layout.cellRects[cell];
        int found = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                found += SurfacePixel(surface, x, y) == kDefaultHolidayColor;
            }
        }
        DestroySurface(&surface);
        return found > 0;
    }

    DateTime now_;
};

TEST_F(HolidayFileBeside, ItsDaysShowFromTheFirstFrameAndFollowItAtTheNextMinute)
{
    WriteHolidays(AsUtf8(Moved()));
    // One registered design, so the design list has a preview to paint.
    DesignRecord record = {};
    ReadFormatSection(kSettingsFile, &record);
    ReadFontSection(kSettingsFile, &record);
    WriteBrushKeys(kSettingsFile, BS_SOLID, kDefaultBackgroundColor, 0);
    ASSERT_TRUE(RegisterDesign(kSettingsFile, record, {BS_SOLID, kDefaultBackgroundColor, 0}, {1, 1, 0}));
    Write("REGIST", "CURRENT", "1");
    Start();
    EXPECT_TRUE(Coloured(14));
    EXPECT_FALSE(Coloured(20));

    SendMessageA(calendar_, WM_COMMAND, IDM_DESIGN_CHOOSE, 0);
    HWND list = FindWindowA(PELMO_DESIGN_LIST_CLASS, nullptr);
    ASSERT_TRUE(IsWindowVisible(list));
    EXPECT_TRUE(Coloured(14, list, kPreviewRect));
    EXPECT_FALSE(Coloured(20, list, kPreviewRect));
    SendMessageA(list, WM_COMMAND, IDCANCEL, 0);

    // Another file is not read within the minute, but at the next one.
    WriteHolidays(PublishedHolidayFile(2025, 2027));
    SendMessageA(calendar_, WM_TIMER, IDT_CLOCK, 0);
    EXPECT_TRUE(Coloured(14));
    NextMinute();
    EXPECT_FALSE(Coloured(14));
    EXPECT_TRUE(Coloured(20));

    // A file still being written is tried again at the next minute.
    HANDLE writing = CreateFileA(Path("syukujitsu.csv").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                 nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writing);
    const std::string moved = Moved();
    DWORD written = 0;
    WriteFile(writing, moved.data(), (DWORD)moved.size(), &written, nullptr);
    NextMinute();
    EXPECT_FALSE(Coloured(14));
    CloseHandle(writing);
    NextMinute();
    EXPECT_TRUE(Coloured(14));

    // A file removed gives the rules back.
    ASSERT_TRUE(DeleteFileA(Path("syukujitsu.csv").c_str()));
    NextMinute();
    EXPECT_FALSE(Coloured(14));
    EXPECT_TRUE(Coloured(20));
    EXPECT_TRUE(g_told.empty()) << g_told[0].text;
}

TEST_F(HolidayFileBeside, AFileThatCannotBeUsedLeavesTheRulesAndIsToldOnce)
{
    WriteHolidays(Moved());
    Start();
    EXPECT_TRUE(Coloured(14));

    // A name the conversion from UTF-8 cannot give in Shift-JIS, on the line
    // after the header and the year's holidays.
    const std::string year = PublishedHolidayFile(2026, 2026);
    const int line = (int)std::count(year.begin(), year.end(), '\n') + 1;
    WriteHolidays(AsUtf8(year) + u8"2026/7/14,晴れ\U0001F31E\r\n");
    const unsigned before = CalendarRefreshCount();
    NextMinute();
    EXPECT_FALSE(Coloured(14));
    EXPECT_TRUE(Coloured(20));
    ASSERT_EQ(1u, g_told.size());
    EXPECT_EQ("syukujitsu.csv の " + std::to_string(line) +
                  " 行目を読めないため、組み込みの祝日を表示します。",
              g_told[0].text);
    EXPECT_EQ("『ポルカミナ』", g_told[0].caption);
    EXPECT_EQ(nullptr, g_told[0].owner);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONWARNING), g_told[0].flags);
    EXPECT_GT(g_told[0].refreshes, before) << "told after the frame that shows the rules";
    NextMinute();
    NextMinute();
    EXPECT_EQ(1u, g_told.size());

    // A folder in its place at the start: told once the first frame is shown.
    Stop();
    ASSERT_TRUE(DeleteFileA(Path("syukujitsu.csv").c_str()));
    ASSERT_TRUE(CreateDirectoryA(Path("syukujitsu.csv").c_str(), nullptr));
    Start();
    ASSERT_TRUE(PumpUntil([] { return g_told.size() >= 2; }));
    EXPECT_EQ("syukujitsu.csv を読めないため、組み込みの祝日を表示します。", g_told[1].text);
    EXPECT_GT(g_told[1].refreshes, 0u);
    EXPECT_TRUE(Coloured(20));
    RemoveDirectoryA(Path("syukujitsu.csv").c_str());
}

}   // namespace
