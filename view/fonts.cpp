#include "view/fonts.h"

#include <string.h>

// Latin-only faces look small next to the Japanese ones at the same height,
// so a design with the ANSI character set gets a slightly larger standard.
static constexpr LONG kAnsiStandardHeight = 20;
static constexpr LONG kJapaneseStandardHeight = 18;

static const char kMemoFace[] = "メイリオ";

static LOGFONTA CalendarFontDescription(int height, const DesignRecord& design)
{
    LOGFONTA font = {};
    if (height == kStandardFontHeight) {
        font.lfHeight = design.font.lfCharSet == ANSI_CHARSET ? kAnsiStandardHeight : kJapaneseStandardHeight;
    } else {
        font.lfHeight = height;
    }
    font.lfWeight = design.font.lfWeight;
    font.lfItalic = design.font.lfItalic;
    font.lfCharSet = design.font.lfCharSet;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The stored face may lack its terminator if the record came from a
    // damaged file; never read past the field.
    memcpy(font.lfFaceName, design.font.lfFaceName, sizeof font.lfFaceName);
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return font;
}

HFONT CreateCalendarFont(int height, const DesignRecord& design)
{
    LOGFONTA font = CalendarFontDescription(height, design);
    return CreateFontIndirectA(&font);
}

HFONT CreateMemoFont(int height)
{
    return CreateFontA(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       kMemoFace);
}

// The whole description is compared, so any change of height, face, weight,
// italic flag or character set makes a new font.
HFONT KeepCalendarFont(KeptFont* kept, int height, const DesignRecord& design)
{
    LOGFONTA wanted = CalendarFontDescription(height, design);
    if (kept->font && memcmp(&wanted, &kept->made, sizeof wanted) == 0) {
        return kept->font;
    }
    HFONT font = CreateFontIndirectA(&wanted);
    if (!font) {
        return kept->font;
    }
    if (kept->font) {
        DeleteObject(kept->font);
    }
    kept->font = font;
    kept->made = wanted;
    return font;
}

static void ReleaseKeptFont(KeptFont* kept)
{
    if (kept->font) {
        DeleteObject(kept->font);
    }
    *kept = {};
}

void ReleasePaintFonts(PaintFonts* fonts)
{
    ReleaseKeptFont(&fonts->text);
    ReleaseKeptFont(&fonts->weekday);
}
