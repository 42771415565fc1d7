#include "core/dates.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string DateLine(GridDate date)
{
    char text[kDateLineSize];
    EXPECT_TRUE(FormatDateLine(date, text, sizeof text));
    return text;
}

std::string Title(int format, int clock, uint16_t year, uint16_t month, uint16_t hour, uint16_t minute)
{
    DateTime now = {};
    now.year = year;
    now.month = month;
    now.hour = hour;
    now.minute = minute;
    char text[kTitleSize];
    EXPECT_TRUE(FormatTitle(format, clock, now, text, sizeof text));
    return text;
}

void ExpectCell(const MonthGrid& grid, int index, uint16_t year, uint16_t month, uint16_t day)
{
    const GridDate& cell = grid.cells[index];
    EXPECT_EQ(year, cell.year) << "index " << index;
    EXPECT_EQ(month, cell.month) << "index " << index;
    EXPECT_EQ(day, cell.day) << "index " << index;
    EXPECT_EQ(index % kDaysPerWeek, cell.weekday) << "index " << index;
}

}   // namespace

TEST(Charset, NarrowLiteralsAreShiftJis)
{
    const char* day = "日";
    ASSERT_EQ(2u, strlen(day));
    EXPECT_EQ(0x93, static_cast<unsigned char>(day[0]));
    EXPECT_EQ(0xFA, static_cast<unsigned char>(day[1]));
}

TEST(DaysInMonth, LeapRuleAndInvalidMonths)
{
    EXPECT_EQ(28, DaysInMonth(1900, 2));
    EXPECT_EQ(29, DaysInMonth(2000, 2));
    EXPECT_EQ(29, DaysInMonth(2012, 2));
    EXPECT_EQ(28, DaysInMonth(2100, 2));
    EXPECT_EQ(29, DaysInMonth(0, 2));
    EXPECT_EQ(31, DaysInMonth(2013, 1));
    EXPECT_EQ(30, DaysInMonth(2013, 11));
    EXPECT_EQ(0, DaysInMonth(2012, 13));
    EXPECT_EQ(0, DaysInMonth(2012, 0));
}

TEST(Weekday, KnownFirstDays)
{
    EXPECT_EQ(6, FirstWeekdayOfMonth(2000, 1));
    EXPECT_EQ(2, FirstWeekdayOfMonth(2000, 2));
    EXPECT_EQ(5, FirstWeekdayOfMonth(2012, 6));
    EXPECT_EQ(3, FirstWeekdayOfMonth(1999, 12));
    EXPECT_EQ(4, FirstWeekdayOfMonth(1970, 1));
    EXPECT_EQ(3, FirstWeekdayOfMonth(2200, 1));
    EXPECT_EQ(3, FirstWeekdayOfMonth(1800, 1));
    EXPECT_EQ(1, FirstWeekdayOfMonth(1, 1));
    EXPECT_EQ(1, WeekdayOfDate(2012, 6, 4));
    EXPECT_EQ(4, WeekdayOfDate(2012, 6, 0));   // May 31
}

// A plain running day count from 0001-01-01 (a Monday) must agree with the
// closed form for every month the calendar can show, including the December
// of year 0 and the January of year 10000 that edge grids reach.
TEST(Weekday, ClosedFormMatchesRunningCountForAllYears)
{
    EXPECT_EQ(5, FirstWeekdayOfMonth(0, 12));
    int weekday = kMonday;
    for (int year = kMinYear; year <= kMaxYear; ++year) {
        for (int month = kJanuary; month <= kDecember; ++month) {
            ASSERT_EQ(weekday, FirstWeekdayOfMonth(year, month)) << year << "-" << month;
            weekday = (weekday + DaysInMonth(year, month)) % kDaysPerWeek;
        }
    }
    EXPECT_EQ(weekday, FirstWeekdayOfMonth(10000, 1));
}

TEST(MonthGrid, ShowsNeighbourMonthsAroundTheMonth)
{
    MonthGrid grid;
    ASSERT_TRUE(FillMonthGrid(2012, 6, &grid));
    ExpectCell(grid, 0, 2012, 5, 27);
    ExpectCell(grid, 4, 2012, 5, 31);
    ExpectCell(grid, 5, 2012, 6, 1);
    ExpectCell(grid, 34, 2012, 6, 30);
    ExpectCell(grid, 35, 2012, 7, 1);
    ExpectCell(grid, 41, 2012, 7, 7);

    ASSERT_TRUE(FillMonthGrid(2012, 1, &grid));   // begins on a Sunday
    ExpectCell(grid, 0, 2012, 1, 1);
    ExpectCell(grid, 31, 2012, 2, 1);
    ExpectCell(grid, 41, 2012, 2, 11);

    ASSERT_TRUE(FillMonthGrid(2015, 2, &grid));   // 28 days from a Sunday
    ExpectCell(grid, 27, 2015, 2, 28);
    ExpectCell(grid, 28, 2015, 3, 1);
    ExpectCell(grid, 41, 2015, 3, 14);

    ASSERT_TRUE(FillMonthGrid(2013, 3, &grid));
    ExpectCell(grid, 0, 2013, 2, 24);
    ExpectCell(grid, 4, 2013, 2, 28);
    ExpectCell(grid, 5, 2013, 3, 1);

    ASSERT_TRUE(FillMonthGrid(2013, 1, &grid));
    ExpectCell(grid, 1, 2012, 12, 31);
    ExpectCell(grid, 2, 2013, 1, 1);
}

TEST(MonthGrid, EdgeYearsReachYearZeroAndTenThousand)
{
    MonthGrid grid;
    ASSERT_TRUE(FillMonthGrid(1, 1, &grid));
    ExpectCell(grid, 0, 0, 12, 31);
    ExpectCell(grid, 1, 1, 1, 1);
    ASSERT_TRUE(FillMonthGrid(9999, 12, &grid));
    ExpectCell(grid, 0, 9999, 11, 28);
    ExpectCell(grid, 3, 9999, 12, 1);
    ExpectCell(grid, 34, 10000, 1, 1);
    ExpectCell(grid, 41, 10000, 1, 8);
}

// Every grid of every year is 42 consecutive days with the 1st at its weekday
// column and clean time fields.
TEST(MonthGrid, CellsAreConsecutiveDaysInEveryMonth)
{
    MonthGrid grid;
    for (int year = kMinYear; year <= kMaxYear; ++year) {
        for (int month = kJanuary; month <= kDecember; ++month) {
            ASSERT_TRUE(FillMonthGrid(year, month, &grid));
            const GridDate& first = grid.cells[FirstWeekdayOfMonth(year, month)];
            ASSERT_TRUE(first.year == year && first.month == month && first.day == 1);
            for (int i = 0; i < kGridCells; ++i) {
                const GridDate& c = grid.cells[i];
                ASSERT_EQ(i % kDaysPerWeek, c.weekday);
                ASSERT_EQ(0, c.hour + c.minute + c.second + c.milliseconds);
                if (i + 1 == kGridCells) {
                    break;
                }
                const GridDate& n = grid.cells[i + 1];
                const bool nextDay = n.year == c.year && n.month == c.month && n.day == c.day + 1;
                const bool monthTurn = n.day == 1 && c.day == DaysInMonth(c.year, c.month) &&
                                       (n.month == c.month + 1 ||
                                        (c.month == 12 && n.month == 1 && n.year == c.year + 1));
                ASSERT_TRUE(nextDay || monthTurn) << year << "-" << month << " index " << i;
            }
        }
    }
}

TEST(MonthGrid, RejectsInvalidArguments)
{
    MonthGrid grid;
    EXPECT_FALSE(FillMonthGrid(2012, 0, &grid));
    EXPECT_FALSE(FillMonthGrid(2012, 13, &grid));
    EXPECT_FALSE(FillMonthGrid(0, 6, &grid));
    EXPECT_FALSE(FillMonthGrid(10000, 1, &grid));
    EXPECT_FALSE(FillMonthGrid(2012, 6, nullptr));
}

TEST(Texts, TableFallbacks)
{
    EXPECT_STREQ("12", MonthText(9, 12));
    EXPECT_STREQ("May", MonthText(2, 5));
    EXPECT_STREQ("", MonthText(0, 13));
    EXPECT_STREQ("", MonthText(1, 0));

    EXPECT_STREQ("土", WeekdayText(0, 6));
    EXPECT_STREQ("Sat", WeekdayText(5, 6));
    EXPECT_STREQ("水", WeekdayText(7, 3));
    EXPECT_STREQ("月", WeekdayText(-1, 1));
    EXPECT_STREQ("", WeekdayText(0, 7));
}

TEST(Texts, DateLine)
{
    const std::string line = DateLine(MakeGridDate(2012, 6, 4));
    EXPECT_EQ("2012年06月04日(月)", line);
    EXPECT_EQ(18u, line.size());
    EXPECT_EQ("0987年01月09日(火)", DateLine(MakeGridDate(987, 1, 9)));
    EXPECT_EQ(19u, DateLine(MakeGridDate(10000, 1, 1)).size());

    GridDate noWeekday = MakeGridDate(2012, 6, 4);
    noWeekday.weekday = 7;
    EXPECT_EQ("2012年06月04日", DateLine(noWeekday));

    char small[8];
    EXPECT_FALSE(FormatDateLine(MakeGridDate(2012, 6, 4), small, sizeof small));
    EXPECT_LT(strlen(small), sizeof small);
    EXPECT_FALSE(FormatDateLine(MakeGridDate(2012, 6, 4), nullptr, kDateLineSize));
}

TEST(Texts, TitleFormats)
{
    EXPECT_EQ("2012年 6月 09:05", Title(0, 1, 2012, 6, 9, 5));
    EXPECT_EQ("2012 年 6 月", Title(0, 0, 2012, 6, 9, 5));
    EXPECT_EQ("2012 年 6 月", Title(0, 2, 2012, 6, 9, 5));
    EXPECT_EQ("June  2012", Title(1, 1, 2012, 6, 9, 5));
    EXPECT_EQ("June  2012", Title(1, 0, 2012, 6, 9, 5));
    EXPECT_EQ("May 2012  09:05", Title(2, 1, 2012, 5, 9, 5));
    EXPECT_EQ("Dec. 2012", Title(2, 0, 2012, 12, 9, 5));
    EXPECT_EQ("2012 / 05  09:05", Title(3, 1, 2012, 5, 9, 5));
    EXPECT_EQ("2012 / 05", Title(3, 0, 2012, 5, 9, 5));
    EXPECT_EQ("2012 年 11 月  23:59", Title(4, 1, 2012, 11, 23, 59));
    EXPECT_EQ("2012 年 11 月", Title(-1, 0, 2012, 11, 23, 59));
    EXPECT_EQ("0987 年 1 月", Title(0, 0, 987, 1, 0, 0));
    EXPECT_EQ("May  987", Title(1, 0, 987, 5, 0, 0));

    const std::string longest = Title(5, 1, 9999, 12, 23, 59);
    EXPECT_EQ(20u, longest.size());
}
