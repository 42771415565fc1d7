#include "design/design_registry.h"

#include <stdio.h>

#include "settings/design_keys.h"
#include "settings/settings_defaults.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"

bool DesignSectionName(uint32_t number, char* out, size_t size)
{
    if (number == 0 || number > kMaxDesigns) {
        if (size > 0) {
            out[0] = '\0';
        }
        return false;
    }
    int n = snprintf(out, size, "DESIGN%03u", (unsigned)number);
    return n > 0 && (size_t)n < size;
}

// Overwriting needs a design in force; choosing needs designs to choose
// from. Registering as new is offered while what is shown is not exactly a
// registered design.
DesignMenuState DesignMenuFor(RegistryValues registry)
{
    const bool current = registry.currentDesign != 0;
    const bool any = registry.designCount != 0;
    DesignMenuState state = {};
    if (registry.unregisteredChange == 1) {
        state = {true, any && current, any};
    } else if (registry.unregisteredChange == 0) {
        state = {!(current && any), false, any};
    } else if (any) {
        state = {!current, current, true};
    } else {
        state = {true, false, false};
    }
    return state;
}

DesignLook ReadDesignLook(const char* file, const char* section)
{
    DesignLook look = {};
    look.background.brush = ReadDesignBrush(file, section);
    ReadSettingString(file, section, kDesignBitmapKey, kNoKeyValue, look.background.bitmap,
                      sizeof look.background.bitmap);
    ReadSettingString(file, section, kDesignOrgFileKey, kNoKeyValue, look.background.orgFile,
                      sizeof look.background.orgFile);
    look.transparent = ReadSettingInt(file, section, kDesignTransparentKey, kDefaultTransparent);
    look.cellColors.today =
        (COLORREF)ReadSettingInt(file, section, kDesignTodayColorKey, (int32_t)kDefaultTodayColor);
    look.cellColors.markedToday =
        (COLORREF)ReadSettingInt(file, section, kDesignMarkedTodayKey, (int32_t)kDefaultMarkedTodayColor);
    look.cellColors.marked =
        (COLORREF)ReadSettingInt(file, section, kDesignMarkedColorKey, (int32_t)kDefaultMarkedColor);
    return look;
}

bool WriteWorkingLookFromDesign(const char* file, const DesignLook& look)
{
    bool ok = WriteSettingInt(file, "BGBRUSH", "TRANSPARENT", look.transparent);
    ok = WriteSettingInt(file, "TODAY", "COLOR", (int32_t)look.cellColors.today) && ok;
    ok = WriteSettingInt(file, "MARKED", "TODAYCOLOR", (int32_t)look.cellColors.markedToday) && ok;
    ok = WriteSettingInt(file, "MARKED", "COLOR", (int32_t)look.cellColors.marked) && ok;
    return ok;
}

// The value in force is written back to its working key as well: a key
// that was absent (the cell colours, until the memo page first sets them)
// is then present on both sides, which the comparison with the design
// needs, as it reads a missing key as 0 rather than as its default.
static bool CopyWorkingInt(const char* section, const char* designKey, const char* workingSection,
                           const char* workingKey, int32_t defaultValue)
{
    int32_t value = ReadSettingInt(kSettingsFile, workingSection, workingKey, defaultValue);
    bool ok = WriteSettingInt(kSettingsFile, workingSection, workingKey, value);
    return WriteSettingInt(kSettingsFile, section, designKey, value) && ok;
}

static bool CopyWorkingPath(const char* section, const char* designKey, const char* workingKey,
                            char (&path)[kPicturePathSize])
{
    ReadSettingString(kSettingsFile, "BGBRUSH", workingKey, kNoKeyValue, path, sizeof path);
    return WriteSettingString(kSettingsFile, section, designKey, path);
}

// Only a picture design uses its paths. A converted picture (ORGFILE) is
// made into pelmo.bmp again each time the design is applied, so the working
// BITMAP, the output of that conversion, is not worth recording; an empty
// ORGFILE names no picture either.
static bool CopyPicturePaths(const char* section)
{
    char orgFile[kPicturePathSize];
    bool ok = CopyWorkingPath(section, kDesignOrgFileKey, "ORGFILE", orgFile);
    if (!NamesFile(orgFile)) {
        char bitmap[kPicturePathSize];
        ok = CopyWorkingPath(section, kDesignBitmapKey, "BITMAP", bitmap) && ok;
    }
    return ok;
}

static bool CopyWorkingLook(const char* section, int32_t style)
{
    bool ok = CopyWorkingInt(section, kDesignTransparentKey, "BGBRUSH", "TRANSPARENT", kDefaultTransparent);
    if (style == BS_PATTERN) {
        ok = CopyPicturePaths(section) && ok;
    }
    ok = CopyWorkingInt(section, kDesignTodayColorKey, "TODAY", "COLOR", (int32_t)kDefaultTodayColor) && ok;
    ok = CopyWorkingInt(section, kDesignMarkedTodayKey, "MARKED", "TODAYCOLOR",
                        (int32_t)kDefaultMarkedTodayColor) && ok;
    ok = CopyWorkingInt(section, kDesignMarkedColorKey, "MARKED", "COLOR", (int32_t)kDefaultMarkedColor) && ok;
    return ok;
}

// A number beyond the count would leave a design that no list shows and the
// next registration as new silently overwrites, so nothing is written then.
bool RegisterDesign(const DesignRecord& design, BrushTriple brush, RegistryValues registry)
{
    char section[kDesignSectionSize];
    if (registry.designCount > kMaxDesigns || registry.currentDesign > registry.designCount ||
        !DesignSectionName(registry.currentDesign, section, sizeof section)) {
        return false;
    }
    const char* file = kSettingsFile;
    bool ok = WriteBrushSection(file, brush.style, brush.color, brush.hatch);
    ok = WriteFormatSection(file, design) && ok;
    ok = WriteFontSection(design, file) && ok;
    ok = WriteSettingInt(file, "REGIST", "SUM", (int32_t)registry.designCount) && ok;
    ok = WriteSettingInt(file, "REGIST", "CURRENT", (int32_t)registry.currentDesign) && ok;
    ok = WriteSettingInt(file, "REGIST", "CHANGE", 0) && ok;
    ok = WriteDesignBrush(section, file, brush.style, brush.color, brush.hatch) && ok;
    ok = CopyWorkingLook(section, brush.style) && ok;
    ok = WriteDesignSection(design, section, file) && ok;
    return ok;
}
