// Paging months: the shown month is the current one moved in calendar
// months, across year ends and up to the edges of the reachable years.
#include <gtest/gtest.h>

#include "core/navigation.h"

static DateTime Date(uint16_t year, uint16_t month, uint16_t day)
{
    DateTime d = {};
    d.year = year;
    d.month = month;
    d.day = day;
    d.hour = 9;
    d.minute = 5;
    return d;
}

static void ExpectShown(DateTime now, int offset, int year, int month)
{
    DateTime shown;
    ASSERT_TRUE(ApplyMonthOffset(now, offset, &shown)) << "offset " << offset;
    EXPECT_EQ(year, shown.year) << "offset " << offset;
    EXPECT_EQ(month, shown.month) << "offset " << offset;
    EXPECT_EQ(now.day, shown.day);
    EXPECT_EQ(now.minute, shown.minute);
}

TEST(MonthOffset, MovesAcrossYearEndsBothWays)
{
    DateTime dec = Date(2026, 12, 7);
    ExpectShown(dec, 0, 2026, 12);
    ExpectShown(dec, 1, 2027, 1);
    ExpectShown(dec, 12, 2027, 12);
    ExpectShown(dec, 13, 2028, 1);
    ExpectShown(dec, -11, 2026, 1);
    ExpectShown(dec, -12, 2025, 12);

    DateTime jan = Date(2026, 1, 31);
    ExpectShown(jan, -1, 2025, 12);
    ExpectShown(jan, -12, 2025, 1);
    ExpectShown(jan, -13, 2024, 12);
    ExpectShown(jan, -24, 2024, 1);
    ExpectShown(jan, 11, 2026, 12);
    ExpectShown(jan, 120, 2036, 1);
}

TEST(MonthOffset, EveryOffsetAgreesWithCountingMonthByMonth)
{
    DateTime now = Date(2026, 5, 1);
    int year = 2026;
    int month = 5;
    for (int offset = 1; offset <= 24000; ++offset) {
        if (++month == 13) {
            month = 1;
            ++year;
        }
        DateTime shown;
        bool inRange = ApplyMonthOffset(now, offset, &shown);
        ASSERT_EQ(year <= 9999, inRange) << offset;
        if (inRange) {
            ASSERT_EQ(year, shown.year) << offset;
            ASSERT_EQ(month, shown.month) << offset;
        }
    }
    year = 2026;
    month = 5;
    for (int offset = -1; offset >= -24400; --offset) {
        if (--month == 0) {
            month = 12;
            --year;
        }
        DateTime shown;
        bool inRange = ApplyMonthOffset(now, offset, &shown);
        ASSERT_EQ(year >= 1, inRange) << offset;
        if (inRange) {
            ASSERT_EQ(year, shown.year) << offset;
            ASSERT_EQ(month, shown.month) << offset;
        }
    }
}

TEST(MonthOffset, LeavingTheReachableYearsIsRefusedWithoutOverflow)
{
    DateTime shown;
    EXPECT_TRUE(ApplyMonthOffset(Date(1, 1, 1), 0, &shown));
    EXPECT_FALSE(ApplyMonthOffset(Date(1, 1, 1), -1, &shown));
    EXPECT_EQ(1, shown.year);
    EXPECT_EQ(1, shown.month);
    EXPECT_TRUE(ApplyMonthOffset(Date(9999, 12, 1), 0, &shown));
    EXPECT_FALSE(ApplyMonthOffset(Date(9999, 12, 1), 1, &shown));
    EXPECT_FALSE(ApplyMonthOffset(Date(2026, 6, 1), INT32_MAX, &shown));
    EXPECT_FALSE(ApplyMonthOffset(Date(2026, 6, 1), INT32_MIN, &shown));
    EXPECT_EQ(2026, shown.year);
}
