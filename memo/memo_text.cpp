#include "memo/memo_text.h"

#include <string.h>

static const unsigned char kFullWidthSpaceLead = 0x81;
static const unsigned char kFullWidthSpaceTrail = 0x40;

// The two ranges of lead bytes of code page 932.
static const unsigned char kLeadLowFirst = 0x81;
static const unsigned char kLeadLowLast = 0x9F;
static const unsigned char kLeadHighFirst = 0xE0;
static const unsigned char kLeadHighLast = 0xFC;
// The second byte of a double-byte character: 0x40 to 0xFC except 0x7F.
static const unsigned char kTrailFirst = 0x40;
static const unsigned char kTrailLast = 0xFC;
static const unsigned char kNotTrail = 0x7F;

// The text is walked by character so that a second byte is never taken for a
// character of its own.
static bool IsShiftJisLeadByte(unsigned char c)
{
    return (c >= kLeadLowFirst && c <= kLeadLowLast) || (c >= kLeadHighFirst && c <= kLeadHighLast);
}

static bool IsShiftJisTrailByte(unsigned char c)
{
    return c >= kTrailFirst && c <= kTrailLast && c != kNotTrail;
}

static bool IsSingleByteBlank(unsigned char c)
{
    return c == '\r' || c == '\n' || c == '\t' || c == ' ';
}

bool IsBlankMemoText(const char* text, size_t length)
{
    const unsigned char* p = (const unsigned char*)text;
    size_t i = 0;
    while (i < length) {
        if (IsShiftJisLeadByte(p[i])) {
            if (i + 1 >= length || p[i] != kFullWidthSpaceLead || p[i + 1] != kFullWidthSpaceTrail) {
                return false;
            }
            i += 2;
        } else if (IsSingleByteBlank(p[i])) {
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

size_t DropLoneLeadBytes(char* text, size_t length)
{
    unsigned char* p = (unsigned char*)text;
    size_t kept = 0;
    for (size_t i = 0; i < length; ++i) {
        if (!IsShiftJisLeadByte(p[i])) {
            p[kept++] = p[i];
        } else if (i + 1 < length && IsShiftJisTrailByte(p[i + 1])) {
            p[kept++] = p[i];
            p[kept++] = p[++i];
        }
    }
    memset(p + kept, 0, length + 1 - kept);
    return kept;
}

int CountLineFeeds(const char* text, size_t length)
{
    int count = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == '\n') {
            ++count;
        }
    }
    return count;
}
