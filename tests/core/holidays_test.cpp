#include "core/holidays.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DayKind Kind(uint16_t year, uint16_t month, uint16_t day)
{
    return ClassifyDay(year, month, day, WeekdayOfDate(year, month, day), true);
}

// The holiday name, or "-" when the day has none.
std::string Holiday(uint16_t year, uint16_t month, uint16_t day)
{
    char name[kHolidayNameSize];
    return GetHolidayName(MakeGridDate(year, month, day), name, sizeof name) ? name : "-";
}

std::string Observance(uint16_t year, uint16_t month, uint16_t day)
{
    char name[kHolidayNameSize];
    return GetObservanceName(MakeGridDate(year, month, day), name, sizeof name) ? name : "-";
}

struct NamedDay {
    uint16_t year, month, day;
    const char* name;
};

// Each named holiday must also be coloured.
void ExpectHolidays(const NamedDay* days, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const NamedDay& d = days[i];
        EXPECT_EQ(d.name, Holiday(d.year, d.month, d.day)) << d.year << "-" << d.month << "-" << d.day;
        EXPECT_EQ(DayKind::Holiday, Kind(d.year, d.month, d.day)) << d.year << "-" << d.month << "-" << d.day;
    }
}

void ExpectWorkingDay(uint16_t year, uint16_t month, uint16_t day)
{
    EXPECT_NE(DayKind::Holiday, Kind(year, month, day)) << year << "-" << month << "-" << day;
    EXPECT_EQ("-", Holiday(year, month, day)) << year << "-" << month << "-" << day;
}

}   // namespace

TEST(Astronomical, EquinoxAndSolsticeTables)
{
    EXPECT_TRUE(IsVernalEquinoxDay(2012, 3, 20));
    EXPECT_FALSE(IsVernalEquinoxDay(2012, 3, 21));
    EXPECT_TRUE(IsVernalEquinoxDay(1955, 3, 21));
    EXPECT_TRUE(IsVernalEquinoxDay(2099, 3, 20));
    EXPECT_TRUE(IsVernalEquinoxDay(2096, 3, 19));
    EXPECT_TRUE(IsVernalEquinoxDay(1903, 3, 22));
    EXPECT_FALSE(IsVernalEquinoxDay(2012, 9, 20));
    EXPECT_TRUE(IsAutumnalEquinoxDay(2012, 9, 22));
    EXPECT_TRUE(IsAutumnalEquinoxDay(1979, 9, 24));
    EXPECT_TRUE(IsAutumnalEquinoxDay(1983, 9, 23));
    EXPECT_TRUE(IsSummerSolsticeDay(1903, 6, 23));
    EXPECT_TRUE(IsSummerSolsticeDay(2020, 6, 21));
    EXPECT_TRUE(IsWinterSolsticeDay(2099, 12, 21));
    EXPECT_TRUE(IsWinterSolsticeDay(2025, 12, 22));
    EXPECT_FALSE(IsWinterSolsticeDay(2025, 6, 22));
    for (uint16_t year : {1899, 2100}) {
        for (uint16_t day = 1; day <= 31; ++day) {
            EXPECT_FALSE(IsVernalEquinoxDay(year, 3, day));
            EXPECT_FALSE(IsAutumnalEquinoxDay(year, 9, day));
            EXPECT_FALSE(IsSummerSolsticeDay(year, 6, day));
            EXPECT_FALSE(IsWinterSolsticeDay(year, 12, day));
        }
    }
}

// Every tabulated year has exactly one day for each event.
TEST(Astronomical, OneDayPerEventAndYear)
{
    for (uint16_t year = 1900; year <= 2099; ++year) {
        int vernal = 0, autumnal = 0, summer = 0, winter = 0;
        for (uint16_t day = 1; day <= 31; ++day) {
            vernal += IsVernalEquinoxDay(year, 3, day);
            autumnal += IsAutumnalEquinoxDay(year, 9, day);
            summer += IsSummerSolsticeDay(year, 6, day);
            winter += IsWinterSolsticeDay(year, 12, day);
        }
        EXPECT_EQ(1, vernal) << year;
        EXPECT_EQ(1, autumnal) << year;
        EXPECT_EQ(1, summer) << year;
        EXPECT_EQ(1, winter) << year;
    }
}

TEST(Astronomical, HiganStart)
{
    EXPECT_TRUE(IsHiganStart(2012, 3, 17));
    EXPECT_TRUE(IsHiganStart(2016, 9, 19));
    EXPECT_FALSE(IsHiganStart(2012, 3, 18));
    EXPECT_FALSE(IsHiganStart(2012, 9, 17));
}

TEST(Holidays, FixedEquinoxAndMondayHolidays)
{
    const NamedDay days[] = {
        {2012, 1, 1, "元日"},
        {2012, 3, 20, "春分の日"},
        {2012, 9, 22, "秋分の日"},
        {2016, 9, 22, "秋分の日"},
        {1990, 1, 8, "成人の日"},
        {2012, 10, 8, "体育の日"},
        {2012, 7, 16, "海の日"},
        {2012, 5, 4, "みどりの日"},
        {1950, 4, 29, "昭和の日"},
        {2012, 11, 23, "勤労感謝の日"},
        {2016, 9, 19, "敬老の日  彼岸入り"},
    };
    ExpectHolidays(days, sizeof days / sizeof days[0]);
}

TEST(Holidays, SubstituteAndCitizensHolidays)
{
    const NamedDay days[] = {
        {2012, 1, 2, "振替休日"},   {2016, 3, 21, "振替休日"},   {2018, 9, 24, "振替休日"},
        {2013, 5, 6, "振替休日"},   {2014, 5, 6, "振替休日"},    {2015, 5, 6, "振替休日"},
        {2012, 12, 24, "振替休日"}, {2009, 9, 22, "国民の休日"}, {2015, 9, 22, "国民の休日"},
        {2019, 5, 6, "振替休日"},
    };
    ExpectHolidays(days, sizeof days / sizeof days[0]);
    ExpectWorkingDay(2012, 1, 3);
    ExpectWorkingDay(2012, 9, 25);
}

// Before 1989 December 23 is coloured but has no name, and so is its Monday
// substitute.
TEST(Holidays, DecemberTwentyThirdBeforeHeisei)
{
    EXPECT_EQ(DayKind::Holiday, Kind(1988, 12, 23));
    EXPECT_EQ("-", Holiday(1988, 12, 23));
    EXPECT_EQ(DayKind::Holiday, Kind(1984, 12, 24));
    EXPECT_EQ("-", Holiday(1984, 12, 24));
    EXPECT_EQ("天皇誕生日", Holiday(1989, 12, 23));
    EXPECT_FALSE(GetHolidayName(MakeGridDate(1988, 12, 23), nullptr, 0));
    EXPECT_TRUE(GetHolidayName(MakeGridDate(1989, 12, 23), nullptr, 0));
}

TEST(Holidays, LawFrom2016)
{
    const NamedDay days[] = {
        {2016, 8, 11, "山の日"},       {2026, 8, 11, "山の日"},        {2020, 8, 10, "山の日"},
        {2021, 8, 8, "山の日"},        {2026, 2, 23, "天皇誕生日"},    {2020, 2, 23, "天皇誕生日"},
        {2018, 12, 23, "天皇誕生日"},  {2018, 12, 24, "振替休日"},     {2019, 4, 30, "国民の休日"},
        {2019, 5, 1, "即位の日"},      {2019, 5, 2, "国民の休日"},     {2019, 10, 22, "即位礼正殿の儀"},
        {2020, 7, 23, "海の日"},       {2020, 7, 24, "スポーツの日"},  {2021, 7, 22, "海の日"},
        {2021, 7, 23, "スポーツの日"}, {2022, 10, 10, "スポーツの日"}, {2019, 10, 14, "体育の日"},
        {2022, 7, 18, "海の日"},       {2019, 8, 12, "振替休日"},      {2020, 2, 24, "振替休日"},
        {2021, 8, 9, "振替休日"},      {2024, 8, 12, "振替休日"},      {2025, 2, 24, "振替休日"},
    };
    ExpectHolidays(days, sizeof days / sizeof days[0]);
    ExpectWorkingDay(2015, 8, 11);
    ExpectWorkingDay(2026, 12, 23);
    ExpectWorkingDay(2019, 12, 23);
    ExpectWorkingDay(2019, 2, 23);
    ExpectWorkingDay(2020, 8, 11);
    ExpectWorkingDay(2021, 8, 11);
    ExpectWorkingDay(2020, 10, 12);
    ExpectWorkingDay(2021, 10, 11);
    ExpectWorkingDay(2020, 7, 20);
    ExpectWorkingDay(2021, 7, 19);
}

TEST(Holidays, ClassifyByColumnAndMonth)
{
    EXPECT_EQ(DayKind::OtherMonth, ClassifyDay(2012, 1, 1, 0, false));
    EXPECT_EQ(DayKind::Holiday, ClassifyDay(2012, 1, 1, 0, true));
    EXPECT_EQ(DayKind::Sunday, ClassifyDay(2012, 1, 8, 0, true));
    EXPECT_EQ(DayKind::Saturday, ClassifyDay(2012, 1, 7, 6, true));
    EXPECT_EQ(DayKind::Weekday, ClassifyDay(2012, 1, 4, 3, true));
}

// The two tests agree on every day except December 23 and 24 before 1989.
TEST(Holidays, ColourAndNameAgreeOverTwoCenturies)
{
    for (uint16_t year = 1900; year <= 2100; ++year) {
        for (uint16_t month = 1; month <= 12; ++month) {
            for (uint16_t day = 1; day <= DaysInMonth(year, month); ++day) {
                const bool named = GetHolidayName(MakeGridDate(year, month, day), nullptr, 0);
                const bool coloured = Kind(year, month, day) == DayKind::Holiday;
                if (year < 1989 && month == 12 && (day == 23 || day == 24)) {
                    EXPECT_FALSE(named);
                    continue;
                }
                ASSERT_EQ(coloured, named) << year << "-" << month << "-" << day;
            }
        }
    }
}

TEST(Observances, Names)
{
    EXPECT_EQ("彼岸入り", Observance(2012, 3, 17));
    EXPECT_EQ("彼岸明け", Observance(2016, 9, 25));
    EXPECT_EQ("冬至", Observance(2012, 12, 21));
    EXPECT_EQ("夏至  父の日", Observance(2020, 6, 21));
    EXPECT_EQ("夏至", Observance(2012, 6, 21));
    EXPECT_EQ("父の日", Observance(2012, 6, 17));
    EXPECT_EQ("母の日", Observance(2012, 5, 13));
    EXPECT_EQ("ボジョレー・ヌーヴォー解禁", Observance(2012, 11, 15));
    EXPECT_EQ("七五三", Observance(2013, 11, 15));
    EXPECT_EQ("ボジョレー・ヌーヴォー解禁", Observance(2013, 11, 21));
    EXPECT_EQ("花祭（灌仏会）", Observance(2012, 4, 8));
    EXPECT_EQ("聖バレンタインデー", Observance(2012, 2, 14));
    EXPECT_EQ("大晦日", Observance(2012, 12, 31));
    EXPECT_EQ("-", Observance(2012, 2, 15));
    EXPECT_FALSE(GetObservanceName(MakeGridDate(2012, 2, 14), nullptr, kHolidayNameSize));
}

// Mother's and Father's Day trust the grid's weekday field.
TEST(Observances, SundayRulesUseTheGivenWeekday)
{
    GridDate date = MakeGridDate(2012, 5, 14);
    char name[kHolidayNameSize];
    EXPECT_FALSE(GetObservanceName(date, name, sizeof name));
    date.weekday = kSunday;
    ASSERT_TRUE(GetObservanceName(date, name, sizeof name));
    EXPECT_STREQ("母の日", name);
}

TEST(DayLabel, JoinsDateLineAndName)
{
    const char* line = "LINE";
    char label[kDayLabelSize];
    ASSERT_TRUE(BuildDayLabel(line, MakeGridDate(2012, 1, 1), label, sizeof label));
    EXPECT_STREQ("LINE\n  元日", label);
    ASSERT_TRUE(BuildDayLabel(line, MakeGridDate(2012, 2, 14), label, sizeof label));
    EXPECT_STREQ("LINE\n  聖バレンタインデー", label);
    // A holiday hides the observance of the same day.
    ASSERT_TRUE(BuildDayLabel(line, MakeGridDate(2012, 3, 20), label, sizeof label));
    EXPECT_STREQ("LINE\n  春分の日", label);
    EXPECT_FALSE(BuildDayLabel(line, MakeGridDate(2012, 2, 15), label, sizeof label));

    char dateLine[kDateLineSize];
    ASSERT_TRUE(FormatDateLine(MakeGridDate(2012, 11, 15), dateLine, sizeof dateLine));
    ASSERT_TRUE(BuildDayLabel(dateLine, MakeGridDate(2012, 11, 15), label, sizeof label));
    EXPECT_STREQ("2012年11月15日(木)\n  ボジョレー・ヌーヴォー解禁", label);
    char small[8];
    EXPECT_FALSE(BuildDayLabel(dateLine, MakeGridDate(2012, 1, 1), small, sizeof small));
}
