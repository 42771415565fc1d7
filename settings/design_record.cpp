#include "settings/design_record.h"

#include <string.h>

#include "core/dates.h"

// Header formats that need Japanese glyphs, and their English stand-ins.
static constexpr uint16_t kJapaneseHeader = 0;
static constexpr uint16_t kLetterHeader = 1;

bool AdjustFormatsForFont(DesignRecord* design)
{
    if (design->font.lfCharSet != ANSI_CHARSET) {
        return false;
    }
    bool changed = false;
    if (design->weekdayFormat == kJapaneseHeader) {
        design->weekdayFormat = kLetterHeader;
        changed = true;
    }
    if (design->titleFormat == kTitleJapanese) {
        design->titleFormat = kTitleMonthName;
        design->clockFlag = 0;
        changed = true;
    }
    return changed;
}

bool NamesFile(const char* path)
{
    return path && path[0] && strcmp(path, kNoKeyValue) != 0;
}
