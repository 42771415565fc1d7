// The published holiday file: its forms, its damage, and the calendar it
// gives next to the built-in rules.
#include "core/holiday_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/holidays.h"
#include "tests/core/holiday_file_maker.h"

namespace {

const char kHeader[] = "国民の祝日・休日月日,国民の祝日・休日名称";

HolidayFileResult Parse(const std::string& file, HolidayTable* table)
{
    return ParseHolidayFile(file.data(), file.size(), table);
}

HolidayTable Table(const std::string& file)
{
    HolidayTable table = {};
    const HolidayFileResult result = Parse(file, &table);
    EXPECT_EQ(HolidayFileProblem::None, result.problem) << "line " << result.line;
    return table;
}

std::string Name(const HolidayTable* table, uint16_t year, uint16_t month, uint16_t day)
{
    char name[kHolidayNameSize];
    return GetHolidayName(MakeGridDate(year, month, day), name, sizeof name, table) ? name : "-";
}

std::string Observance(const HolidayTable* table, uint16_t y, uint16_t m, uint16_t d)
{
    char name[kHolidayNameSize];
    return GetObservanceName(MakeGridDate(y, m, d), name, sizeof name, table) ? name : "-";
}

DayKind Kind(const HolidayTable* table, uint16_t year, uint16_t month, uint16_t day)
{
    return ClassifyDay(year, month, day, WeekdayOfDate(year, month, day), true, table);
}

// Everything a day shows, for comparing two sources.
std::string Shown(const HolidayTable* table, uint16_t y, uint16_t m, uint16_t d)
{
    char label[kDayLabelSize] = "";
    BuildDayLabel("L", MakeGridDate(y, m, d), label, sizeof label, table);
    return std::string(DayKindName(Kind(table, y, m, d))) + "|" + Name(table, y, m, d) + "|" +
           Observance(table, y, m, d) + "|" + label;
}

}   // namespace

// What an editor makes of the published file reads as the file itself.
TEST(HolidayFile, PublishedFormAndSavedAgainVariants)
{
    const std::string published = std::string(kHeader) + "\r\n2026/1/1,元日\r\n2026/2/11,建国記念の日\r\n"
                                                         "2027/1/1,元日\r\n";
    const std::string variants[] = {
        std::string(kHeader) + "\n2026/01/01,元日\n2026/02/11,建国記念の日\n2027/01/01,元日",
        "\r\n" + std::string(kHeader) +
            "\r\n\r\n 2027/1/1 , \"元日\" \r\n  \r\n"
            "\"2026/1/1\",元日\r\n2026/2/11,\t\"建国記念の日\"\r\n\r\n",
    };
    const HolidayTable expected = Table(published);
    EXPECT_EQ(2026, expected.firstYear);
    EXPECT_EQ(2027, expected.lastYear);
    EXPECT_EQ("建国記念日", Name(&expected, 2026, 2, 11));
    for (const std::string& file : variants) {
        const HolidayTable table = Table(file);
        ASSERT_EQ(expected.rows.size(), table.rows.size()) << file;
        EXPECT_EQ(expected.names, table.names);
        EXPECT_EQ(2026, table.firstYear);
    }
    // A quoted name may hold a comma.
    const HolidayTable quoted = Table(std::string(kHeader) + "\n2026/1/1,\"a,b\"\n");
    EXPECT_EQ("a,b", Name(&quoted, 2026, 1, 1));

    size_t skip = 9;
    EXPECT_EQ(HolidayFileEncoding::ShiftJis,
              DetectHolidayFileEncoding(published.data(), published.size(), &skip));
    EXPECT_EQ(0u, skip);
    const std::string utf8 = u8"国民の祝日・休日月日,国民の祝日・休日名称\n2026/1/1,x\n";
    EXPECT_EQ(HolidayFileEncoding::Utf8, DetectHolidayFileEncoding(utf8.data(), utf8.size(), &skip));
    EXPECT_EQ(0u, skip);
    const std::string quotedHeader = u8"\n\"国民の祝日・休日月日\", \"国民の祝日・休日名称\"\n";
    EXPECT_EQ(HolidayFileEncoding::Utf8,
              DetectHolidayFileEncoding(quotedHeader.data(), quotedHeader.size(), &skip));
    const std::string marked = "\xEF\xBB\xBF" + utf8;
    EXPECT_EQ(HolidayFileEncoding::Utf8, DetectHolidayFileEncoding(marked.data(), marked.size(), &skip));
    EXPECT_EQ(3u, skip);
}

// Every kind of damage refuses the whole file, names its line, and leaves
// the table that was there.
TEST(HolidayFile, DamageIsRefusedWithItsLine)
{
    struct Damage {
        std::string rows;
        HolidayFileProblem problem;
        int line;
    };
    const std::string name64(64, 'x');
    const Damage damages[] = {
        {"2026/1/1,\x82\xA0\x01\x02\xFF\n", HolidayFileProblem::BadCharacter, 3},
        {"2026/1/1,\x82", HolidayFileProblem::BadCharacter, 3},
        {"2027/2/30,x\n", HolidayFileProblem::NoSuchDay, 3},
        {"2027/13/1,x\n", HolidayFileProblem::NoSuchDay, 3},
        {"0/1/1,x\n", HolidayFileProblem::YearRange, 3},
        {"10000/1/1,x\n", HolidayFileProblem::YearRange, 3},
        {"2026-1-1,x\n", HolidayFileProblem::BadDate, 3},
        {"2026/1/1,x" + name64 + "\n", HolidayFileProblem::NameTooLong, 3},
        {"2026/1/1,a\x7F\n", HolidayFileProblem::NoShiftJisForm, 3},
        {"2026/1/2,a\n2026/01/02,b\n", HolidayFileProblem::DuplicateDate, 4},
        {"2026/1/1,\"\"\n", HolidayFileProblem::EmptyName, 3},
        {"2026/1/1,  \n", HolidayFileProblem::EmptyName, 3},
        {"2026/1/1,a,b\n", HolidayFileProblem::FieldCount, 3},
        {"2026/1/1,a,\n", HolidayFileProblem::FieldCount, 3},
        {"2026/1/1\n", HolidayFileProblem::FieldCount, 3},
        {"2026/1/1,\"a\"b\n", HolidayFileProblem::Quote, 3},
        {"", HolidayFileProblem::NoRows, 2},
        {"2028/1/1,a\n2026/1/1,b\n", HolidayFileProblem::MissingYear, 3},
    };
    HolidayTable table = Table(std::string(kHeader) + "\n2026/1/1," + name64 + "\n");
    const HolidayTable before = table;
    for (const Damage& d : damages) {
        const HolidayFileResult result = Parse(std::string(kHeader) + "\n\n" + d.rows, &table);
        EXPECT_EQ(d.problem, result.problem) << d.rows;
        EXPECT_EQ(d.line, result.line) << d.rows;
        EXPECT_EQ(before.names, table.names);
    }
    const std::string other[] = {"", "日付,名前\n2026/1/1,a\n", "\x89\x50\x4E\x47\r\n\x1A\n"};
    for (const std::string& file : other) {
        EXPECT_EQ(HolidayFileProblem::Header, Parse(file, &table).problem);
        EXPECT_EQ(1, Parse(file, &table).line);
    }
    std::string huge = std::string(kHeader) + "\n2026/1/1,a\n";
    huge.resize(kHolidayFileMaxBytes + 1, '\n');
    EXPECT_EQ(HolidayFileProblem::TooLarge, Parse(huge, &table).problem);
    huge.resize(kHolidayFileMaxBytes);
    EXPECT_EQ(HolidayFileProblem::None, Parse(huge, &table).problem);
}

// The strongest check: the rules written out as the published file give back
// exactly the rules, day by day, and the years around the file keep them.
TEST(HolidayFile, FileOfTheRulesShowsTheRules)
{
    const HolidayTable table = Table(PublishedHolidayFile(1989, 2027));
    EXPECT_EQ(1989, table.firstYear);
    EXPECT_EQ(2027, table.lastYear);
    for (uint16_t y = 1988; y <= 2028; ++y) {
        for (uint16_t m = kJanuary; m <= kDecember; ++m) {
            for (uint16_t d = 1; d <= DaysInMonth(y, m); ++d) {
                ASSERT_EQ(Shown(nullptr, y, m, d), Shown(&table, y, m, d)) << y << "-" << m << "-" << d;
            }
        }
    }
    // Other-month cells keep their colour whatever the source.
    EXPECT_EQ(DayKind::OtherMonth, ClassifyDay(2027, 1, 1, 5, false, &table));
}

// A day added and one removed change those two days, and the name of a 休日
// that follows them, and nothing else.
TEST(HolidayFile, OneDayAddedOneRemoved)
{
    const HolidayTable rules = Table(PublishedHolidayFile(2025, 2027));
    const HolidayEdit edits[] = {{2026, 6, 16, "県民の日"}, {2026, 5, 3, nullptr}};
    const HolidayTable edited = Table(PublishedHolidayFile(2025, 2027, edits, 2));
    for (uint16_t m = kJanuary; m <= kDecember; ++m) {
        for (uint16_t d = 1; d <= DaysInMonth(2026, m); ++d) {
            const bool changed = (m == 6 && d == 16) || (m == 5 && d == 3);
            EXPECT_EQ(changed, Kind(&rules, 2026, m, d) != Kind(&edited, 2026, m, d)) << m << "-" << d;
            const bool renamed = changed || (m == 5 && d == 6);
            EXPECT_EQ(renamed, Name(&rules, 2026, m, d) != Name(&edited, 2026, m, d)) << m << "-" << d;
        }
    }
    EXPECT_EQ(DayKind::Holiday, Kind(&edited, 2026, 6, 16));
    EXPECT_EQ("県民の日", Name(&edited, 2026, 6, 16));
    EXPECT_EQ(DayKind::Sunday, Kind(&edited, 2026, 5, 3));
    EXPECT_EQ("国民の休日", Name(&edited, 2026, 5, 6));
}

// The file's names as the calendar shows them, where the rules, which have no
// history, would be wrong.
TEST(HolidayFile, NamesOfTheFile)
{
    const HolidayEdit edits[] = {
        {1960, 4, 29, "天皇誕生日"}, {1990, 4, 29, "みどりの日"}, {1990, 5, 4, "休日"},
        {1992, 5, 4, "休日"},        {2019, 10, 14, "体育の日"},  {2019, 7, 15, "海の日（注）"},
        {2019, 9, 23, nullptr},      {2019, 9, 24, "秋分の日"},
    };
    const HolidayTable table = Table(PublishedHolidayFile(1960, 2019, edits, sizeof edits / sizeof edits[0]));
    const struct {
        uint16_t y, m, d;
        const char* name;
    } expected[] = {
        {2019, 5, 6, "振替休日"},
        {2019, 4, 30, "国民の休日"},
        {2019, 5, 2, "国民の休日"},
        {2009, 9, 22, "国民の休日"},
        {1992, 5, 4, "振替休日"},
        {1990, 5, 4, "国民の休日"},
        {1990, 4, 29, "みどりの日"},
        {1960, 4, 29, "天皇誕生日"},
        {2019, 5, 1, "即位の日"},
        {2019, 10, 22, "即位礼正殿の儀"},
        {2019, 10, 14, "体育の日"},
        {2019, 7, 15, "海の日"},
        {2016, 9, 19, "敬老の日  彼岸入り"},
        {2019, 2, 11, "建国記念日"},
        {2019, 5, 5, "子供の日"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(e.name, Name(&table, e.y, e.m, e.d)) << e.y << "-" << e.m << "-" << e.d;
    }
    // The equinox weeks count from the file's equinox (moved a day here), not
    // the rules'.
    EXPECT_EQ("彼岸入り", Observance(nullptr, 2019, 9, 20));
    EXPECT_EQ("-", Observance(&table, 2019, 9, 20));
    EXPECT_EQ("彼岸入り", Observance(&table, 2019, 9, 21));
    EXPECT_EQ("彼岸明け", Observance(&table, 2019, 9, 27));
}
