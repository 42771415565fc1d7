#include "memo/memo_text.h"

static const unsigned char kFullWidthSpaceLead = 0x81;
static const unsigned char kFullWidthSpaceTrail = 0x40;

// The two ranges of lead bytes of code page 932.
static const unsigned char kLeadLowFirst = 0x81;
static const unsigned char kLeadLowLast = 0x9F;
static const unsigned char kLeadHighFirst = 0xE0;
static const unsigned char kLeadHighLast = 0xFC;

// The text is walked by character so that a second byte is never taken for a
// character of its own.
static bool IsShiftJisLeadByte(unsigned char c)
{
    return (c >= kLeadLowFirst && c <= kLeadLowLast) || (c >= kLeadHighFirst && c <= kLeadHighLast);
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
