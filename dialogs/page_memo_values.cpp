#include "dialogs/page_memo_values.h"

#include <string.h>

#include "settings/settings_defaults.h"

static const COLORREF kRgbMask = 0xFFFFFF;
static const int kDecimalBase = 10;
// Larger than any width or height the page keeps, small enough that one
// more digit cannot overflow.
static const int64_t kSaturatedNumber = (int64_t)INT32_MAX + 1;

int32_t ClampTooltipWidth(int64_t width)
{
    if (width < kMinTooltipWidth) {
        return kMinTooltipWidth;
    }
    return width > kMaxTooltipWidth ? kMaxTooltipWidth : (int32_t)width;
}

static int32_t SoundFontHeight(int32_t height, int32_t fallback)
{
    return height < kMinMemoFontHeight ? fallback : height;
}

MemoDisplaySettings SoundMemoSettings(MemoDisplaySettings memo)
{
    MemoDisplaySettings sound;
    sound.tooltipFontHeight = SoundFontHeight(memo.tooltipFontHeight, kDefaultTooltipFontHeight);
    sound.editorFontHeight = SoundFontHeight(memo.editorFontHeight, kDefaultEditorFontHeight);
    sound.tooltipWidth = ClampTooltipWidth(memo.tooltipWidth);
    return sound;
}

COLORREF SoundColour(COLORREF colour)
{
    return colour & kRgbMask;
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool ParseTypedNumber(const char* text, const char* separator, int64_t* value)
{
    size_t separatorLength = separator ? strlen(separator) : 0;
    while (IsBlank(*text)) {
        ++text;
    }
    int64_t number = 0;
    bool digits = false;
    // The separator is looked for first: some locales group with a blank.
    for (; *text; ++text) {
        if (separatorLength && strncmp(text, separator, separatorLength) == 0) {
            text += separatorLength - 1;
            continue;
        }
        if (IsBlank(*text)) {
            break;
        }
        if (*text < '0' || *text > '9') {
            return false;
        }
        digits = true;
        number = number * kDecimalBase + (*text - '0');
        if (number > kSaturatedNumber) {
            number = kSaturatedNumber;
        }
    }
    while (IsBlank(*text)) {
        ++text;
    }
    if (!digits || *text) {
        return false;
    }
    *value = number;
    return true;
}
