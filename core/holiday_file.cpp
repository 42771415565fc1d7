#include "core/holiday_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/dates.h"
#include "core/holiday_names.h"

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const size_t kUtf8MarkSize = sizeof kUtf8Mark - 1;
const char kHeaderDateFieldUtf8[] = u8"国民の祝日・休日月日";
const char kHeaderDateField[] = "国民の祝日・休日月日";
const char kHeaderNameField[] = "国民の祝日・休日名称";

const char kFieldSeparator = ',';
const char kDateSeparator = '/';
const char kQuote = '"';
const char kLineFeed = '\n';
const char kCarriageReturn = '\r';
const int kRowFields = 2;
// Enough to tell a year of five digits from one of four.
const size_t kMaxNumberDigits = 6;
const int kDecimal = 10;

struct Field {
    const char* text;
    size_t length;
};

bool SameText(Field field, const char* text)
{
    return field.length == strlen(text) && memcmp(field.text, text, field.length) == 0;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsBlankLine(Field line)
{
    return std::all_of(line.text, line.text + line.length, IsBlank);
}

struct ByteRange {
    unsigned char first, last;
};

// Shift-JIS: the lead and trail bytes of double-byte characters, and the
// single-byte characters (ASCII with the tab, and half-width katakana).
const ByteRange kLeadBytes[] = {{0x81, 0x9F}, {0xE0, 0xFC}};
const ByteRange kTrailBytes[] = {{0x40, 0x7E}, {0x80, 0xFC}};
const ByteRange kSingleBytes[] = {{'\t', '\t'}, {0x20, 0x7E}, {0xA1, 0xDF}};

template <size_t N>
bool InRanges(const ByteRange (&ranges)[N], unsigned char c)
{
    for (const ByteRange& r : ranges) {
        if (c >= r.first && c <= r.last) {
            return true;
        }
    }
    return false;
}

// Every byte is part of a Shift-JIS character. Trail bytes never take the
// value of a comma, a quote or a blank, so the fields can then be split
// byte by byte.
HolidayFileProblem CheckCharacters(Field line)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(line.text);
    const unsigned char* end = p + line.length;
    while (p < end) {
        if (*p == static_cast<unsigned char>(kNoShiftJisForm)) {
            return HolidayFileProblem::NoShiftJisForm;
        }
        if (InRanges(kLeadBytes, *p) && p + 1 < end && InRanges(kTrailBytes, p[1])) {
            p += 2;
        } else if (InRanges(kSingleBytes, *p)) {
            ++p;
        } else {
            return HolidayFileProblem::BadCharacter;
        }
    }
    return HolidayFileProblem::None;
}

Field Trimmed(const char* begin, const char* end)
{
    while (begin < end && IsBlank(*begin)) {
        ++begin;
    }
    while (end > begin && IsBlank(end[-1])) {
        --end;
    }
    return {begin, static_cast<size_t>(end - begin)};
}

// One field from *p on, without the blanks around it and the double quotes
// around those; *p is left after its comma, or at end. *more tells that a
// comma ended it, so that another field follows, empty as it may be.
HolidayFileProblem NextField(const char** p, const char* end, Field* field, bool* more)
{
    const char* comma = std::find(*p, end, kFieldSeparator);
    Field raw = Trimmed(*p, comma);
    if (raw.length > 0 && raw.text[0] == kQuote) {
        // A quoted name may hold a comma: its field ends after the closing quote.
        const char* close = std::find(raw.text + 1, end, kQuote);
        if (close == end) {
            return HolidayFileProblem::Quote;
        }
        comma = std::find(close + 1, end, kFieldSeparator);
        if (Trimmed(close + 1, comma).length != 0) {
            return HolidayFileProblem::Quote;
        }
        raw = {raw.text + 1, static_cast<size_t>(close - raw.text - 1)};
    } else if (std::find(raw.text, raw.text + raw.length, kQuote) != raw.text + raw.length) {
        return HolidayFileProblem::Quote;
    }
    *field = raw;
    *more = comma != end;
    *p = *more ? comma + 1 : end;
    return HolidayFileProblem::None;
}

// The fields of a line: the first kRowFields of them into fields, and how
// many there are.
HolidayFileProblem SplitFields(Field line, Field* fields, int* count)
{
    const char* p = line.text;
    const char* end = line.text + line.length;
    *count = 0;
    bool more = true;
    while (more) {
        Field field;
        const HolidayFileProblem problem = NextField(&p, end, &field, &more);
        if (problem != HolidayFileProblem::None) {
            return problem;
        }
        if (*count < kRowFields) {
            fields[*count] = field;
        }
        ++*count;
    }
    return HolidayFileProblem::None;
}

bool IsHeader(Field line)
{
    Field fields[kRowFields];
    int count = 0;
    return SplitFields(line, fields, &count) == HolidayFileProblem::None && count == kRowFields &&
           SameText(fields[0], kHeaderDateField) && SameText(fields[1], kHeaderNameField);
}

// Digits up to the separator (or the end); false when there are none, or
// more than any year of the calendar has.
bool TakeNumber(const char** p, const char* end, uint32_t* value)
{
    const char* start = *p;
    *value = 0;
    while (*p < end && **p >= '0' && **p <= '9') {
        if (static_cast<size_t>(*p - start) >= kMaxNumberDigits) {
            return false;
        }
        *value = *value * kDecimal + static_cast<uint32_t>(**p - '0');
        ++*p;
    }
    return *p > start;
}

HolidayFileProblem ParseDate(Field field, HolidayFileRow* row)
{
    const char* p = field.text;
    const char* end = field.text + field.length;
    uint32_t year = 0, month = 0, day = 0;
    if (!TakeNumber(&p, end, &year) || p == end || *p++ != kDateSeparator || !TakeNumber(&p, end, &month) ||
        p == end || *p++ != kDateSeparator || !TakeNumber(&p, end, &day) || p != end) {
        return p > field.text && year > kMaxYear ? HolidayFileProblem::YearRange
                                                 : HolidayFileProblem::BadDate;
    }
    if (year < kMinYear || year > kMaxYear) {
        return HolidayFileProblem::YearRange;
    }
    row->year = static_cast<uint16_t>(year);
    row->month = static_cast<uint16_t>(month);
    row->day = static_cast<uint16_t>(day);
    if (month < kJanuary || month > kDecember || day < 1 || day > DaysInMonth(row->year, row->month)) {
        return HolidayFileProblem::NoSuchDay;
    }
    row->date = HolidayDateKey(row->year, row->month, row->day);
    return HolidayFileProblem::None;
}

HolidayFileProblem ParseRow(Field line, HolidayFileRow* row)
{
    HolidayFileProblem problem = CheckCharacters(line);
    Field fields[kRowFields];
    int count = 0;
    if (problem == HolidayFileProblem::None) {
        problem = SplitFields(line, fields, &count);
    }
    if (problem != HolidayFileProblem::None) {
        return problem;
    }
    if (count != kRowFields) {
        return HolidayFileProblem::FieldCount;
    }
    problem = ParseDate(fields[0], row);
    if (problem != HolidayFileProblem::None) {
        return problem;
    }
    row->name = fields[1].text;
    row->nameLength = fields[1].length;
    if (row->nameLength == 0) {
        return HolidayFileProblem::EmptyName;
    }
    if (row->nameLength > kHolidayRowNameMax) {
        return HolidayFileProblem::NameTooLong;
    }
    return HolidayFileProblem::None;
}

bool EarlierRow(const HolidayFileRow& a, const HolidayFileRow& b)
{
    return a.date != b.date ? a.date < b.date : a.line < b.line;
}

// Sorted rows: no date twice, and no year between the first and the last
// without a row.
HolidayFileResult CheckCoverage(const std::vector<HolidayFileRow>& rows)
{
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].date == rows[i - 1].date) {
            return {HolidayFileProblem::DuplicateDate, rows[i].line};
        }
        if (rows[i].year > rows[i - 1].year + 1) {
            return {HolidayFileProblem::MissingYear, rows[i].line};
        }
    }
    return {HolidayFileProblem::None, 0};
}

// The header must come first, blank lines aside; the rows follow it.
HolidayFileResult ReadRows(const char* bytes, size_t size, std::vector<HolidayFileRow>* rows, int* headerLine)
{
    const char* end = bytes + size;
    int number = 0;
    *headerLine = 0;
    for (const char* p = bytes; p < end;) {
        const char* lineEnd = std::find(p, end, kLineFeed);
        Field line = {p, static_cast<size_t>(lineEnd - p)};
        if (line.length > 0 && line.text[line.length - 1] == kCarriageReturn) {
            --line.length;
        }
        p = lineEnd == end ? end : lineEnd + 1;
        ++number;
        if (IsBlankLine(line)) {
            continue;
        }
        if (*headerLine == 0) {
            if (!IsHeader(line)) {
                return {HolidayFileProblem::Header, number};
            }
            *headerLine = number;
            continue;
        }
        HolidayFileRow row = {};
        row.line = number;
        const HolidayFileProblem problem = ParseRow(line, &row);
        if (problem != HolidayFileProblem::None) {
            return {problem, number};
        }
        rows->push_back(row);
    }
    return {HolidayFileProblem::None, 0};
}

}   // namespace

HolidayFileEncoding DetectHolidayFileEncoding(const char* bytes, size_t size, size_t* skip)
{
    *skip = 0;
    if (size >= kUtf8MarkSize && memcmp(bytes, kUtf8Mark, kUtf8MarkSize) == 0) {
        *skip = kUtf8MarkSize;
        return HolidayFileEncoding::Utf8;
    }
    // The header's first field in UTF-8, quoted or among blanks as it may be.
    const char* end = bytes + size;
    const char* line = std::find_if(bytes, end, [](char c) {
        return !IsBlank(c) && c != kCarriageReturn && c != kLineFeed;
    });
    const char* lineEnd = std::find(line, end, kLineFeed);
    const char* field = kHeaderDateFieldUtf8;
    return std::search(line, lineEnd, field, field + strlen(field)) != lineEnd
               ? HolidayFileEncoding::Utf8
               : HolidayFileEncoding::ShiftJis;
}

HolidayFileResult ParseHolidayFile(const char* bytes, size_t size, HolidayTable* table)
{
    if (size > kHolidayFileMaxBytes) {
        return {HolidayFileProblem::TooLarge, 0};
    }
    std::vector<HolidayFileRow> rows;
    int headerLine = 0;
    HolidayFileResult result = ReadRows(bytes, size, &rows, &headerLine);
    if (result.problem != HolidayFileProblem::None) {
        return result;
    }
    if (headerLine == 0) {
        return {HolidayFileProblem::Header, 1};
    }
    if (rows.empty()) {
        return {HolidayFileProblem::NoRows, headerLine + 1};
    }
    std::sort(rows.begin(), rows.end(), EarlierRow);
    result = CheckCoverage(rows);
    if (result.problem == HolidayFileProblem::None) {
        BuildHolidayTable(rows, table);
    }
    return result;
}

const char* HolidayFileProblemText(HolidayFileProblem problem)
{
    switch (problem) {
    case HolidayFileProblem::None:
        return "no problem";
    case HolidayFileProblem::TooLarge:
        return "larger than 1 MB";
    case HolidayFileProblem::NotReadable:
        return "cannot be read";
    case HolidayFileProblem::Header:
        return "not the header of the holiday file";
    case HolidayFileProblem::NoRows:
        return "a header with no row";
    case HolidayFileProblem::BadCharacter:
        return "a byte that is not Shift_JIS text";
    case HolidayFileProblem::NoShiftJisForm:
        return "a character with no Shift_JIS form";
    case HolidayFileProblem::FieldCount:
        return "not exactly a date and a name";
    case HolidayFileProblem::Quote:
        return "a double quote out of place";
    case HolidayFileProblem::BadDate:
        return "not a date of the form YYYY/M/D";
    case HolidayFileProblem::YearRange:
        return "a year outside 1 to 9999";
    case HolidayFileProblem::NoSuchDay:
        return "no such day";
    case HolidayFileProblem::EmptyName:
        return "an empty name";
    case HolidayFileProblem::NameTooLong:
        return "a name over 64 bytes of Shift_JIS";
    case HolidayFileProblem::DuplicateDate:
        return "a date listed twice";
    case HolidayFileProblem::MissingYear:
        return "the year before this row has no row";
    }
    return "unknown problem";
}
