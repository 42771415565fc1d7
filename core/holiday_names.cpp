#include "core/holiday_names.h"

#include <cstring>

#include "core/dates.h"
#include "core/holidays.h"

namespace {

// The file's names that the calendar shows otherwise.
const char kFileHoliday[] = "休日";
const char kFileSpecialHoliday[] = "休日（祝日扱い）";
const char kFileAnnotationOpen[] = "（";
const char kVernalEquinoxRow[] = "春分の日";
const char kAutumnalEquinoxRow[] = "秋分の日";
const char kSubstituteName[] = "振替休日";
const char kCitizensName[] = "国民の休日";

struct Respelling {
    const char* file;
    const char* shown;
};

// The calendar has always spelt these two its own way.
const Respelling kRespellings[] = {
    {"建国記念の日", "建国記念日"},
    {"こどもの日", "子供の日"},
};

bool SameText(const HolidayFileRow& row, const char* text)
{
    return row.nameLength == strlen(text) && memcmp(row.name, text, row.nameLength) == 0;
}

// The name is a followed by b and anything after them.
bool StartsWith(const HolidayFileRow& row, const char* a, const char* b)
{
    const size_t la = strlen(a), lb = strlen(b);
    return row.nameLength >= la + lb && memcmp(row.name, a, la) == 0 && memcmp(row.name + la, b, lb) == 0;
}

uint32_t DayBefore(const HolidayFileRow& row, uint16_t* weekday)
{
    uint16_t year = row.year, month = row.month, day = row.day;
    if (day > 1) {
        --day;
    } else if (month > kJanuary) {
        --month;
        day = DaysInMonth(year, month);
    } else {
        --year;
        month = kDecember;
        day = DaysInMonth(year, month);
    }
    *weekday = WeekdayOfDate(year, month, day);
    return HolidayDateKey(year, month, day);
}

// 休日 is a substitute when the file's rows, followed back day by day from
// it, reach a holiday on a Sunday; otherwise a day between two holidays.
const char* NameOfFileHoliday(const std::vector<HolidayFileRow>& rows, size_t index)
{
    const HolidayFileRow* day = &rows[index];
    for (size_t i = index; i > 0; --i) {
        uint16_t weekday = 0;
        if (rows[i - 1].date != DayBefore(*day, &weekday)) {
            break;
        }
        if (weekday == kSunday) {
            return kSubstituteName;
        }
        day = &rows[i - 1];
    }
    return kCitizensName;
}

struct NameText {
    const char* text;
    size_t length;
};

NameText Text(const char* text)
{
    return {text, strlen(text)};
}

// The name shown for a row, and whether it is a 休日 of the file.
NameText ShownName(const std::vector<HolidayFileRow>& rows, size_t index, bool* substitute)
{
    const HolidayFileRow& row = rows[index];
    *substitute = SameText(row, kFileHoliday);
    if (*substitute) {
        return Text(NameOfFileHoliday(rows, index));
    }
    // The rules' own name of a day the file only annotates, as in 2019.
    const char* rules = RulesHolidayName(row.year, row.month, row.day);
    if (rules != nullptr &&
        (SameText(row, kFileSpecialHoliday) || StartsWith(row, rules, kFileAnnotationOpen))) {
        return Text(rules);
    }
    for (const Respelling& r : kRespellings) {
        if (SameText(row, r.file)) {
            return Text(r.shown);
        }
    }
    return {row.name, row.nameLength};
}

uint16_t EquinoxMonthOf(const HolidayFileRow& row)
{
    if (row.month == kMarch && SameText(row, kVernalEquinoxRow)) {
        return kMarch;
    }
    if (row.month == kSeptember && SameText(row, kAutumnalEquinoxRow)) {
        return kSeptember;
    }
    return 0;
}

}   // namespace

void BuildHolidayTable(const std::vector<HolidayFileRow>& rows, HolidayTable* table)
{
    *table = HolidayTable{};
    if (rows.empty()) {
        return;
    }
    table->firstYear = rows.front().year;
    table->lastYear = rows.back().year;
    table->rows.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        HolidayRow row = {};
        row.date = rows[i].date;
        row.nameOffset = static_cast<uint32_t>(table->names.size());
        row.equinoxMonth = EquinoxMonthOf(rows[i]);
        const NameText name = ShownName(rows, i, &row.substitute);
        table->names.insert(table->names.end(), name.text, name.text + name.length);
        table->names.push_back('\0');
        table->rows.push_back(row);
    }
}
