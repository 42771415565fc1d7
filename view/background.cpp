#include "view/background.h"

#include "settings/settings_sections.h"

static const int32_t kLastHatch = HS_DIAGCROSS;

HBRUSH CreateBackgroundBrush(const char* settingsFile)
{
    BrushTriple brush = ReadBrushSection(settingsFile);
    if (brush.style == BS_HATCHED && brush.hatch >= 0 && brush.hatch <= kLastHatch) {
        return CreateHatchBrush(brush.hatch, brush.color);
    }
    return CreateSolidBrush(brush.color);
}
