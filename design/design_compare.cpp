// Whether the settings in force of a file are still exactly its current
// design. Both sides are read with 0 (and "no key value" for texts) as
// default instead of the working defaults: a key missing on one side only
// then counts as a difference, one missing on both sides does not.
#include "design/design_compare.h"

#include <string.h>

#include <string>

#include "design/design_registry.h"
#include "settings/design_keys.h"
#include "settings/settings_file.h"

// The sections the comparison needs, each read once.
struct Compared {
    ProfileSection bgbrush, today, marked, design;
};

static int32_t OrZero(const ProfileSection& keys, const char* key)
{
    return ProfileInt(keys, key, 0);
}

static bool SameText(const ProfileSection& keys, const char* key, const ProfileSection& other,
                     const char* otherKey)
{
    return ProfileString(keys, key, kNoKeyValue, kPicturePathSize) ==
           ProfileString(other, otherKey, kNoKeyValue, kPicturePathSize);
}

// A solid or hatched background is its kind and colour: a hatch pattern
// changed on its own does not count. A picture is its two paths whatever
// style the design gives it; any other style is not compared at all.
static bool SameBrush(const Compared& c)
{
    const int32_t style = OrZero(c.bgbrush, "STYLE");
    if (style == BS_SOLID || style == BS_HATCHED) {
        return OrZero(c.design, kDesignStyleKey) == style &&
               OrZero(c.design, kDesignColorKey) == OrZero(c.bgbrush, "COLOR");
    }
    if (style == BS_PATTERN) {
        return SameText(c.bgbrush, "BITMAP", c.design, kDesignBitmapKey) &&
               SameText(c.bgbrush, "ORGFILE", c.design, kDesignOrgFileKey);
    }
    return true;
}

static bool SameLook(const Compared& c)
{
    return OrZero(c.bgbrush, "TRANSPARENT") == OrZero(c.design, kDesignTransparentKey) &&
           OrZero(c.today, "COLOR") == OrZero(c.design, kDesignTodayColorKey) &&
           OrZero(c.marked, "TODAYCOLOR") == OrZero(c.design, kDesignMarkedTodayKey) &&
           OrZero(c.marked, "COLOR") == OrZero(c.design, kDesignMarkedColorKey);
}

struct RecordValue {
    const char* designKey;
    int32_t value;
};

// The record is compared as it is in memory, not as the working sections
// hold it: those are written only at exit.
static bool SameRecord(const DesignRecord& design, const ProfileSection& section)
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
        if (OrZero(section, value.designKey) != value.value) {
            return false;
        }
    }
    // As the face name is written: terminated within its 32 bytes and
    // never ending in half a character.
    std::string faceName(design.font.lfFaceName, strnlen(design.font.lfFaceName, LF_FACESIZE - 1));
    CutPartialCharacter(&faceName);
    return faceName == ProfileString(section, "FONT_FACENAME", kNoKeyValue, LF_FACESIZE);
}

bool SettingsDifferFromDesign(const char* file, const DesignRecord& design)
{
    char section[kDesignSectionSize];
    const int32_t current = OrZero(ReadSettingsSection(file, "REGIST"), "CURRENT");
    if (current <= 0 || !DesignSectionName((uint32_t)current, section, sizeof section)) {
        return true;
    }
    const Compared compared = {ReadSettingsSection(file, "BGBRUSH"), ReadSettingsSection(file, "TODAY"),
                               ReadSettingsSection(file, "MARKED"), ReadSettingsSection(file, section)};
    return !SameBrush(compared) || !SameLook(compared) || !SameRecord(design, compared.design);
}
