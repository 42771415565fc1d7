#include "design/design_apply.h"

#include "platform/app_folder.h"
#include "design/design_registry.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "view/background.h"
#include "view/brush_slot.h"
#include "view/picture.h"

// A picture to convert: the conversion writes the brush values and both
// paths; the design keeps no converted file of its own.
static void ApplyConvertedPicture(HBRUSH* slot, HDC surface, const char* file, const char* section,
                                  const char* picture)
{
    char converted[kAppPathSize];
    BackgroundRecord background;
    if (BuildAppPath(kConvertedPictureName, converted, sizeof converted) &&
        ApplyPictureBrush(surface, picture, converted, slot, &background)) {
        WriteBackground(file, background);
    }
    WriteSettingString(file, section, "BGBRUSH_BITMAP", kNoKeyValue);
}

// A BMP loaded as it is, or the solid fallback when it is gone.
static void ApplyBitmap(HBRUSH* slot, HDC surface, const char* file, const char* bitmap)
{
    WriteSettingString(file, "BGBRUSH", "BITMAP", bitmap);
    HBRUSH brush = NamesFile(bitmap) ? LoadPictureBrush(bitmap) : nullptr;
    if (!brush) {
        brush = CreateSolidBrush(kFallbackBackgroundColor);
    }
    InstallBrush(surface, slot, brush);
    WriteBrushSectionFromBrush(file, brush);
}

bool ApplyDesign(HBRUSH* slot, DesignRecord* design, uint32_t number, HDC surface, const char* file,
                 DesignLook* applied)
{
    char section[kDesignSectionSize];
    if (!DesignSectionName(number, section, sizeof section)) {
        return false;
    }
    WriteSettingInt(file, "REGIST", "CURRENT", (int32_t)number);
    const DesignLook look = ReadDesignLook(file, section);
    const BrushTriple& brush = look.background.brush;
    if (brush.style == BS_PATTERN) {
        WriteSettingString(file, "BGBRUSH", "ORGFILE", look.background.orgFile);
        if (NamesFile(look.background.orgFile)) {
            ApplyConvertedPicture(slot, surface, file, section, look.background.orgFile);
        } else {
            ApplyBitmap(slot, surface, file, look.background.bitmap);
        }
    } else {
        // Solid and hatched brushes; a style of no known kind is drawn solid
        // rather than as a hollow brush that would paint nothing.
        BackgroundRecord plain = look.background;
        if (plain.brush.style != BS_HATCHED) {
            plain.brush.style = BS_SOLID;
        }
        InstallBrush(surface, slot, CreateBackgroundBrush(plain, ""));
        WriteBrushSection(file, brush.style, brush.color, brush.hatch);
    }
    WriteWorkingLookFromDesign(file, look);
    ReadDesignSection(file, design, section);
    WriteFormatSection(file, *design);
    WriteFontSection(*design, file);
    *applied = look;
    return true;
}
