#include "view/background.h"

static const int32_t kLastHatch = HS_DIAGCROSS;

HBRUSH CreateBackgroundBrush(BrushTriple brush)
{
    if (brush.style == BS_HATCHED && brush.hatch >= 0 && brush.hatch <= kLastHatch) {
        return CreateHatchBrush(brush.hatch, brush.color);
    }
    return CreateSolidBrush(brush.color);
}
