#include "design/design_apply.h"

#include <string.h>

#include "platform/app_folder.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "view/background.h"
#include "view/brush_slot.h"
#include "view/picture.h"

static void CopyPath(char (&to)[kPicturePathSize], const char* from)
{
    const size_t length = strnlen(from, kPicturePathSize - 1);
    memcpy(to, from, length);
    to[length] = '\0';
}

// A picture to convert: on success the conversion gives every brush value
// and both paths; on failure only the picture's name is taken in.
static InstalledBackground InstallConvertedPicture(HDC surface, HBRUSH* slot, const char* picture,
                                                   PictureCache* cache)
{
    char converted[kAppPathSize];
    InstalledBackground installed = {};
    if (BuildAppPath(kConvertedPictureName, converted, sizeof converted) &&
        ApplyPictureBrush(surface, picture, converted, slot, &installed.values, cache)) {
        installed.brushSet = installed.bitmapSet = installed.orgFileSet = true;
        return installed;
    }
    CopyPath(installed.values.orgFile, picture);
    installed.orgFileSet = true;
    return installed;
}

// A BMP loaded as it is, or the solid fallback when it is gone.
static InstalledBackground InstallBitmap(HDC surface, HBRUSH* slot, const BackgroundRecord& design,
                                         PictureCache* cache)
{
    HBRUSH brush = NamesFile(design.bitmap) ? LoadPictureBrush(design.bitmap, cache) : nullptr;
    if (!brush) {
        brush = CreateSolidBrush(kFallbackBackgroundColor);
    }
    InstallBrush(surface, slot, brush);
    InstalledBackground installed = {design, true, true, true};
    BrushTripleFromBrush(brush, &installed.values.brush);
    return installed;
}

InstalledBackground InstallDesignBrush(HDC surface, HBRUSH* slot, const DesignLook& look, PictureCache* cache)
{
    const BackgroundRecord& design = look.background;
    if (design.brush.style == BS_PATTERN) {
        if (NamesFile(design.orgFile)) {
            return InstallConvertedPicture(surface, slot, design.orgFile, cache);
        }
        return InstallBitmap(surface, slot, design, cache);
    }
    // Solid and hatched brushes; a style of no known kind is drawn solid
    // rather than as a hollow brush that would paint nothing, and stored as
    // it stands.
    BackgroundRecord plain = design;
    if (plain.brush.style != BS_HATCHED) {
        plain.brush.style = BS_SOLID;
    }
    InstallBrush(surface, slot, CreateBackgroundBrush(plain, ""));
    return InstalledBackground{design, true, false, false};
}

bool WriteDesignInForce(const char* file, uint32_t number, uint32_t count, const Design& design,
                        const InstalledBackground& installed)
{
    char section[kDesignSectionSize];
    SettingsEdit edit;
    if (!DesignSectionName(number, section, sizeof section) || !BeginSettingsEdit(file, &edit)) {
        return false;
    }
    SetSettingInt(&edit, "REGIST", "SUM", (int32_t)count);
    SetSettingInt(&edit, "REGIST", "CURRENT", (int32_t)number);
    if (installed.orgFileSet) {
        SetSetting(&edit, "BGBRUSH", "ORGFILE", installed.values.orgFile);
    }
    if (installed.brushSet) {
        WriteBrushSection(&edit, installed.values.brush);
    }
    if (installed.bitmapSet) {
        SetSetting(&edit, "BGBRUSH", "BITMAP", installed.values.bitmap);
    }
    const BackgroundRecord& own = design.look.background;
    if (own.brush.style == BS_PATTERN && NamesFile(own.orgFile)) {
        // The design keeps no converted file of its own.
        SetSetting(&edit, section, "BGBRUSH_BITMAP", kNoKeyValue);
    }
    WriteTransparent(&edit, design.look.transparent);
    WriteCellColors(&edit, design.look.cellColors);
    WriteFormatSection(&edit, design.record);
    WriteFontSection(&edit, design.record);
    return CommitSettingsEdit(&edit);
}

bool ApplyDesign(const char* file, uint32_t number, uint32_t count, HDC surface, HBRUSH* slot,
                 Design* applied, bool* saved)
{
    *saved = false;
    if (!ReadDesign(file, number, applied)) {
        return false;
    }
    const InstalledBackground installed = InstallDesignBrush(surface, slot, applied->look);
    *saved = WriteDesignInForce(file, number, count, *applied, installed);
    return true;
}
