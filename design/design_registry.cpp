#include "design/design_registry.h"

#include <stdio.h>
#include <string.h>

#include <string>

#include "settings/design_keys.h"
#include "settings/settings_defaults.h"
#include "settings/settings_edit.h"
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

bool ReadDesign(const char* file, uint32_t number, Design* design)
{
    char section[kDesignSectionSize];
    if (!DesignSectionName(number, section, sizeof section)) {
        *design = DesignFromSection(ProfileSection());
        return false;
    }
    *design = DesignFromSection(ReadSettingsSection(file, section));
    return true;
}

DesignLook ReadDesignLook(const char* file, const char* section)
{
    return DesignFromSection(ReadSettingsSection(file, section)).look;
}

// The value in force is written back to its working key as well: a key
// that was absent (the cell colours, until the memo page first sets them)
// is then present on both sides, which the comparison with the design
// needs, as it reads a missing key as 0 rather than as its default.
static void CopyWorkingInt(SettingsEdit* edit, const char* section, const char* designKey,
                           const char* workingSection, const char* workingKey, int32_t defaultValue)
{
    const int32_t value = ProfileInt(EditedSection(*edit, workingSection), workingKey, defaultValue);
    SetSettingInt(edit, workingSection, workingKey, value);
    SetSettingInt(edit, section, designKey, value);
}

static void CopyWorkingPath(SettingsEdit* edit, const char* section, const char* designKey,
                            const char* workingKey, std::string* path)
{
    *path = ProfileString(EditedSection(*edit, "BGBRUSH"), workingKey, kNoKeyValue, kPicturePathSize);
    SetSetting(edit, section, designKey, path->c_str());
}

// Only a picture design uses its paths. A converted picture (ORGFILE) is
// made into pelmo.bmp whenever the design is applied, so the working
// BITMAP, the output of that conversion, is not worth recording; an empty
// ORGFILE names no picture either.
static void CopyPicturePaths(SettingsEdit* edit, const char* section)
{
    std::string orgFile;
    CopyWorkingPath(edit, section, kDesignOrgFileKey, "ORGFILE", &orgFile);
    if (!NamesFile(orgFile.c_str())) {
        std::string bitmap;
        CopyWorkingPath(edit, section, kDesignBitmapKey, "BITMAP", &bitmap);
    }
}

static void CopyWorkingLook(SettingsEdit* edit, const char* section, int32_t style)
{
    CopyWorkingInt(edit, section, kDesignTransparentKey, "BGBRUSH", "TRANSPARENT", kDefaultTransparent);
    if (style == BS_PATTERN) {
        CopyPicturePaths(edit, section);
    }
    CopyWorkingInt(edit, section, kDesignTodayColorKey, "TODAY", "COLOR", (int32_t)kDefaultTodayColor);
    CopyWorkingInt(edit, section, kDesignMarkedTodayKey, "MARKED", "TODAYCOLOR",
                   (int32_t)kDefaultMarkedTodayColor);
    CopyWorkingInt(edit, section, kDesignMarkedColorKey, "MARKED", "COLOR", (int32_t)kDefaultMarkedColor);
}

bool RegisterDesign(const char* file, const DesignRecord& design, BrushTriple brush, RegistryValues registry)
{
    char section[kDesignSectionSize];
    SettingsEdit edit;
    if (registry.designCount > kMaxDesigns || registry.currentDesign > registry.designCount ||
        !DesignSectionName(registry.currentDesign, section, sizeof section) ||
        !BeginSettingsEdit(file, &edit)) {
        return false;
    }
    WriteBrushSection(&edit, brush);
    WriteFormatSection(&edit, design);
    WriteFontSection(&edit, design);
    SetSettingInt(&edit, "REGIST", "SUM", (int32_t)registry.designCount);
    SetSettingInt(&edit, "REGIST", "CURRENT", (int32_t)registry.currentDesign);
    SetSettingInt(&edit, "REGIST", "CHANGE", 0);
    WriteDesignBrush(&edit, section, brush);
    CopyWorkingLook(&edit, section, brush.style);
    WriteDesignSection(&edit, section, design);
    return CommitSettingsEdit(&edit);
}
