#include "design/default_designs.h"

#include "design/design_registry.h"
#include "platform/app_folder.h"
#include "settings/design_keys.h"
#include "settings/settings_edit.h"

static const int kFirstPictureDesign = 4;
static const char* const kPictureNames[kDefaultPictureDesigns] = {
    "Image\\Wall.bmp",
    "Image\\Metal.bmp",
    "Image\\BlueCheck.bmp",
    "Image\\GreenCheck.bmp",
};

int PrepareDefaultDesigns(const char* file)
{
    SettingsEdit edit;
    if (!BeginSettingsEdit(file, &edit)) {
        return -1;
    }
    int written = 0;
    for (int i = 0; i < kDefaultPictureDesigns; ++i) {
        char section[kDesignSectionSize];
        char path[kAppPathSize];
        // A path cut short would name another file; such a design keeps the
        // picture it had.
        if (DesignSectionName((uint32_t)(kFirstPictureDesign + i), section, sizeof section) &&
            BuildAppPath(kPictureNames[i], path, sizeof path)) {
            SetSetting(&edit, section, kDesignBitmapKey, path);
            ++written;
        }
    }
    return CommitSettingsEdit(&edit) ? written : -1;
}
