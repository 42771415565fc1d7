#include "view/background.h"

#include "view/picture.h"
#include "view/picture_read_ahead.h"

static const int32_t kLastHatch = HS_DIAGCROSS;

static HBRUSH PictureBrush(const BackgroundRecord& background, const char* convertedFile)
{
    if (HBRUSH ahead = TakeReadAheadBrush(background, convertedFile)) {
        return ahead;
    }
    if (NamesFile(background.orgFile)) {
        char load[kPicturePathSize];
        HBITMAP bitmap = LoadChosenPicture(background.orgFile, convertedFile, load, sizeof load);
        if (!bitmap) {
            return nullptr;
        }
        HBRUSH brush = CreatePatternBrush(bitmap);   // the brush keeps its own copy
        DeleteObject(bitmap);
        return brush;
    }
    return NamesFile(background.bitmap) ? LoadPictureBrush(background.bitmap) : nullptr;
}

HBRUSH CreateBackgroundBrush(const BackgroundRecord& background, const char* convertedFile, bool* fellBack)
{
    const BrushTriple& brush = background.brush;
    HBRUSH made = nullptr;
    bool picture = false;
    if (brush.style == BS_SOLID) {
        made = CreateSolidBrush(brush.color);
    } else if (brush.style == BS_HATCHED) {
        // An unknown hatch would make no brush at all.
        made = brush.hatch >= 0 && brush.hatch <= kLastHatch ? CreateHatchBrush(brush.hatch, brush.color)
                                                             : CreateSolidBrush(brush.color);
    } else {
        picture = true;
        made = PictureBrush(background, convertedFile);
    }
    if (fellBack) {
        *fellBack = picture && !made;
    }
    return made ? made : CreateSolidBrush(kFallbackBackgroundColor);
}
