// Whether the settings in force of pelmo.ini are still exactly its current
// design. Both sides are read with 0 (and "no key value" for texts) as
// default instead of the working defaults: a key missing on one side only
// then counts as a difference, one missing on both sides does not.
#include "design/design_compare.h"

#include <string.h>

#include "design/design_registry.h"
#include "settings/design_keys.h"
#include "settings/settings_file.h"

static int32_t ReadOrZero(const char* section, const char* key)
{
    return ReadSettingInt(kSettingsFile, section, key, 0);
}

static bool SameText(const char* section, const char* key, const char* otherSection, const char* otherKey)
{
    char text[kPicturePathSize];
    char other[kPicturePathSize];
    ReadSettingString(kSettingsFile, section, key, kNoKeyValue, text, sizeof text);
    ReadSettingString(kSettingsFile, otherSection, otherKey, kNoKeyValue, other, sizeof other);
    return strcmp(text, other) == 0;
}

// A solid or hatched background is its kind and colour: a hatch pattern
// changed on its own does not count. A picture is its two paths whatever
// style the design gives it; any other style is not compared at all.
static bool SameBrush(const char* section)
{
    const int32_t style = ReadOrZero("BGBRUSH", "STYLE");
    if (style == BS_SOLID || style == BS_HATCHED) {
        return ReadOrZero(section, kDesignStyleKey) == style &&
               ReadOrZero(section, kDesignColorKey) == ReadOrZero("BGBRUSH", "COLOR");
    }
    if (style == BS_PATTERN) {
        return SameText("BGBRUSH", "BITMAP", section, kDesignBitmapKey) &&
               SameText("BGBRUSH", "ORGFILE", section, kDesignOrgFileKey);
    }
    return true;
}

struct WorkingKey {
    const char* section;
    const char* key;
    const char* designKey;
};

static const WorkingKey kLookKeys[] = {
    {"BGBRUSH", "TRANSPARENT", kDesignTransparentKey},
    {"TODAY", "COLOR", kDesignTodayColorKey},
    {"MARKED", "TODAYCOLOR", kDesignMarkedTodayKey},
    {"MARKED", "COLOR", kDesignMarkedColorKey},
};

static bool SameLook(const char* section)
{
    for (const WorkingKey& key : kLookKeys) {
        if (ReadOrZero(key.section, key.key) != ReadOrZero(section, key.designKey)) {
            return false;
        }
    }
    return true;
}

struct RecordValue {
    const char* designKey;
    int32_t value;
};

// The record is compared as it is in memory, not as the working sections
// hold it: those are written only at exit.
static bool SameRecord(const DesignRecord& design, const char* section)
{
    const RecordValue values[] = {
        {"FORMAT_YMTYPE", design.titleFormat},
        {"FORMAT_WTYPE", design.weekdayFormat},
        {"FORMAT_CLOCK", design.clockFlag},
        {"FORMAT_PARTITION", design.partition},
        {"TEXTCOLOR_HOLIDAY", (int32_t)design.holidayColor},
        {"TEXTCOLOR_SATURDAY", (int32_t)design.saturdayColor},
        {"TEXTCOLOR_SUNDAY", (int32_t)design.sundayColor},
        {"TEXTCOLOR_WEEKDAY", (int32_t)design.weekdayColor},
        {"TEXTCOLOR_MONTH", (int32_t)design.titleColor},
        {"TEXTCOLOR_OTHERDAY", (int32_t)design.otherMonthColor},
        {"FONT_CHARSET", design.font.lfCharSet},
        {"FONT_ITALIC", design.font.lfItalic},
        {"FONT_WEIGHT", design.font.lfWeight},
        {"FONT_OFFSET", design.sizeOffset},
        {"FONT_LSHIFT", design.leftShift},
    };
    for (const RecordValue& value : values) {
        if (ReadOrZero(section, value.designKey) != value.value) {
            return false;
        }
    }
    // As the face name is written: terminated within its 32 bytes and
    // never ending in half a character.
    char faceName[LF_FACESIZE];
    memcpy(faceName, design.font.lfFaceName, sizeof faceName);
    faceName[LF_FACESIZE - 1] = '\0';
    TrimPartialCharacter(faceName);
    char stored[LF_FACESIZE];
    ReadSettingString(kSettingsFile, section, "FONT_FACENAME", kNoKeyValue, stored, sizeof stored);
    return strcmp(faceName, stored) == 0;
}

bool SettingsDifferFromDesign(const DesignRecord& design)
{
    char section[kDesignSectionSize];
    const int32_t current = ReadOrZero("REGIST", "CURRENT");
    if (current <= 0 || !DesignSectionName((uint32_t)current, section, sizeof section)) {
        return true;
    }
    return !SameBrush(section) || !SameLook(section) || !SameRecord(design, section);
}
