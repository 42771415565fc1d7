#include "settings/settings_sections.h"

#include <string.h>

#include "settings/design_keys.h"
#include "settings/settings_defaults.h"
#include "settings/settings_file.h"

BrushTriple ReadBrushSection(const char* file)
{
    BrushTriple brush;
    brush.style = ReadSettingInt(file, "BGBRUSH", "STYLE", kDefaultBrushStyle);
    brush.color = (COLORREF)ReadSettingInt(file, "BGBRUSH", "COLOR", (int32_t)kDefaultBackgroundColor);
    brush.hatch = ReadSettingInt(file, "BGBRUSH", "HATCH", kDefaultHatch);
    return brush;
}

BackgroundRecord ReadBackground(const char* file)
{
    BackgroundRecord background = {};
    background.brush = ReadBrushSection(file);
    ReadSettingString(file, "BGBRUSH", "BITMAP", kNoKeyValue, background.bitmap,
                      sizeof background.bitmap);
    ReadSettingString(file, "BGBRUSH", "ORGFILE", kNoKeyValue, background.orgFile,
                      sizeof background.orgFile);
    return background;
}

bool WriteBackground(const char* file, const BackgroundRecord& background)
{
    const BrushTriple& brush = background.brush;
    bool ok = WriteBrushSection(file, brush.style, brush.color, brush.hatch);
    ok = WriteSettingString(file, "BGBRUSH", "BITMAP", background.bitmap) && ok;
    ok = WriteSettingString(file, "BGBRUSH", "ORGFILE", background.orgFile) && ok;
    return ok;
}

bool WriteBrushSection(const char* file, int32_t style, COLORREF color, int32_t hatch)
{
    bool ok = WriteSettingInt(file, "BGBRUSH", "STYLE", style);
    ok = WriteSettingInt(file, "BGBRUSH", "COLOR", (int32_t)color) && ok;
    ok = WriteSettingInt(file, "BGBRUSH", "HATCH", hatch) && ok;
    return ok;
}

bool BrushTripleFromBrush(HBRUSH brush, BrushTriple* out)
{
    LOGBRUSH logBrush;
    if (!brush || GetObjectA(brush, sizeof logBrush, &logBrush) != (int)sizeof logBrush) {
        return false;
    }
    out->style = (int32_t)logBrush.lbStyle;
    out->color = logBrush.lbColor;
    // For a pattern brush this member holds the handle of its bitmap, a
    // number that means nothing in a file or in the next run.
    out->hatch = logBrush.lbStyle == BS_HATCHED ? (int32_t)logBrush.lbHatch : kDefaultHatch;
    return true;
}

bool WriteBrushSectionFromBrush(const char* file, HBRUSH brush)
{
    BrushTriple triple;
    if (!BrushTripleFromBrush(brush, &triple)) {
        return false;
    }
    return WriteBrushSection(file, triple.style, triple.color, triple.hatch);
}

CellColors ReadCellColors(const char* file)
{
    CellColors colors;
    colors.marked = (COLORREF)ReadSettingInt(file, "MARKED", "COLOR", (int32_t)kDefaultMarkedColor);
    colors.today = (COLORREF)ReadSettingInt(file, "TODAY", "COLOR", (int32_t)kDefaultTodayColor);
    colors.markedToday =
        (COLORREF)ReadSettingInt(file, "MARKED", "TODAYCOLOR", (int32_t)kDefaultMarkedTodayColor);
    return colors;
}

bool ReadTransparent(const char* file)
{
    return ReadSettingInt(file, "BGBRUSH", "TRANSPARENT", kDefaultTransparent) != 0;
}

void ReadFormatSection(const char* file, DesignRecord* design)
{
    design->titleFormat = (uint16_t)ReadSettingInt(file, "FORMAT", "YMTYPE", kDefaultTitleFormat);
    design->weekdayFormat = (uint16_t)ReadSettingInt(file, "FORMAT", "WTYPE", kDefaultWeekdayFormat);
    design->clockFlag = ReadSettingInt(file, "FORMAT", "CLOCK", kDefaultClockFlag);
    design->holidayColor = (COLORREF)ReadSettingInt(file, "TEXTCOLOR", "HOLIDAY", (int32_t)kDefaultHolidayColor);
    design->saturdayColor = (COLORREF)ReadSettingInt(file, "TEXTCOLOR", "SATURDAY", (int32_t)kDefaultSaturdayColor);
    design->sundayColor = (COLORREF)ReadSettingInt(file, "TEXTCOLOR", "SUNDAY", (int32_t)kDefaultSundayColor);
    design->weekdayColor = (COLORREF)ReadSettingInt(file, "TEXTCOLOR", "WEEKDAY", (int32_t)kDefaultWeekdayColor);
    design->titleColor = (COLORREF)ReadSettingInt(file, "TEXTCOLOR", "MONTH", (int32_t)kDefaultTitleColor);
    design->otherMonthColor = (COLORREF)ReadSettingInt(file, "TEXTCOLOR", "OTHERDAY", (int32_t)kDefaultOtherMonthColor);
    design->partition = ReadSettingInt(file, "FORMAT", "PARTITION", kDefaultPartition);
}

bool WriteFormatSection(const char* file, DesignRecord design)
{
    bool ok = WriteSettingInt(file, "FORMAT", "YMTYPE", design.titleFormat);
    ok = WriteSettingInt(file, "FORMAT", "WTYPE", design.weekdayFormat) && ok;
    ok = WriteSettingInt(file, "FORMAT", "CLOCK", design.clockFlag) && ok;
    ok = WriteSettingInt(file, "TEXTCOLOR", "HOLIDAY", (int32_t)design.holidayColor) && ok;
    ok = WriteSettingInt(file, "TEXTCOLOR", "SATURDAY", (int32_t)design.saturdayColor) && ok;
    ok = WriteSettingInt(file, "TEXTCOLOR", "SUNDAY", (int32_t)design.sundayColor) && ok;
    ok = WriteSettingInt(file, "TEXTCOLOR", "WEEKDAY", (int32_t)design.weekdayColor) && ok;
    ok = WriteSettingInt(file, "TEXTCOLOR", "MONTH", (int32_t)design.titleColor) && ok;
    ok = WriteSettingInt(file, "TEXTCOLOR", "OTHERDAY", (int32_t)design.otherMonthColor) && ok;
    ok = WriteSettingInt(file, "FORMAT", "PARTITION", design.partition) && ok;
    return ok;
}

// The face name as a terminated string even if the record's 32 bytes are not.
static void CopyFaceName(const LOGFONTA& font, char (&out)[LF_FACESIZE])
{
    memcpy(out, font.lfFaceName, LF_FACESIZE);
    out[LF_FACESIZE - 1] = '\0';
    TrimPartialCharacter(out);
}

// The font keys live either in FONT ("CHARSET") or in a design section
// ("FONT_CHARSET"); the caller supplies the section and the key names.
struct FontKeys {
    const char* charset;
    const char* faceName;
    const char* italic;
    const char* weight;
    const char* offset;
    const char* leftShift;
};

static const FontKeys kWorkingFontKeys = {"CHARSET", "FACENAME", "ITALIC", "WEIGHT", "OFFSET", "LSHIFT"};
static const FontKeys kDesignFontKeys = {"FONT_CHARSET", "FONT_FACENAME", "FONT_ITALIC",
                                         "FONT_WEIGHT", "FONT_OFFSET", "FONT_LSHIFT"};

// Character set and italic flag are bytes: a larger stored value keeps its
// low byte.
static void ReadFontKeys(const char* file, const char* section, const FontKeys& keys, DesignRecord* design)
{
    design->font.lfCharSet = (BYTE)ReadSettingInt(file, section, keys.charset, kDefaultCharset);
    ReadSettingString(file, section, keys.faceName, kDefaultFaceName,
                      design->font.lfFaceName, sizeof design->font.lfFaceName);
    design->font.lfItalic = (BYTE)ReadSettingInt(file, section, keys.italic, kDefaultItalic);
    design->font.lfWeight = ReadSettingInt(file, section, keys.weight, kDefaultWeight);
    design->sizeOffset = ReadSettingInt(file, section, keys.offset, kDefaultSizeOffset);
    design->leftShift = ReadSettingInt(file, section, keys.leftShift, kDefaultLeftShift);
}

static bool WriteFontKeys(const char* file, const char* section, const FontKeys& keys, const DesignRecord& design)
{
    char faceName[LF_FACESIZE];
    CopyFaceName(design.font, faceName);
    bool ok = WriteSettingInt(file, section, keys.charset, design.font.lfCharSet);
    ok = WriteSettingString(file, section, keys.faceName, faceName) && ok;
    ok = WriteSettingInt(file, section, keys.italic, design.font.lfItalic) && ok;
    ok = WriteSettingInt(file, section, keys.weight, design.font.lfWeight) && ok;
    ok = WriteSettingInt(file, section, keys.offset, design.sizeOffset) && ok;
    ok = WriteSettingInt(file, section, keys.leftShift, design.leftShift) && ok;
    return ok;
}

void ReadFontSection(const char* file, DesignRecord* design)
{
    memset(&design->font, 0, sizeof design->font);
    ReadFontKeys(file, "FONT", kWorkingFontKeys, design);
}

bool WriteFontSection(DesignRecord design, const char* file)
{
    return WriteFontKeys(file, "FONT", kWorkingFontKeys, design);
}

void ReadDesignSection(const char* file, DesignRecord* design, const char* section)
{
    design->titleFormat = (uint16_t)ReadSettingInt(file, section, "FORMAT_YMTYPE", kDefaultTitleFormat);
    design->weekdayFormat = (uint16_t)ReadSettingInt(file, section, "FORMAT_WTYPE", kDefaultWeekdayFormat);
    design->clockFlag = ReadSettingInt(file, section, "FORMAT_CLOCK", kDefaultClockFlag);
    design->partition = ReadSettingInt(file, section, "FORMAT_PARTITION", kDefaultPartition);
    ReadFontKeys(file, section, kDesignFontKeys, design);
    design->holidayColor = (COLORREF)ReadSettingInt(file, section, "TEXTCOLOR_HOLIDAY", (int32_t)kDefaultHolidayColor);
    design->saturdayColor = (COLORREF)ReadSettingInt(file, section, "TEXTCOLOR_SATURDAY", (int32_t)kDefaultSaturdayColor);
    design->sundayColor = (COLORREF)ReadSettingInt(file, section, "TEXTCOLOR_SUNDAY", (int32_t)kDefaultSundayColor);
    design->weekdayColor = (COLORREF)ReadSettingInt(file, section, "TEXTCOLOR_WEEKDAY", (int32_t)kDefaultWeekdayColor);
    design->titleColor = (COLORREF)ReadSettingInt(file, section, "TEXTCOLOR_MONTH", (int32_t)kDefaultTitleColor);
    design->otherMonthColor = (COLORREF)ReadSettingInt(file, section, "TEXTCOLOR_OTHERDAY", (int32_t)kDefaultOtherMonthColor);
}

bool WriteDesignSection(DesignRecord design, const char* section, const char* file)
{
    bool ok = WriteSettingInt(file, section, "FORMAT_YMTYPE", design.titleFormat);
    ok = WriteSettingInt(file, section, "FORMAT_WTYPE", design.weekdayFormat) && ok;
    ok = WriteSettingInt(file, section, "FORMAT_CLOCK", design.clockFlag) && ok;
    ok = WriteSettingInt(file, section, "FORMAT_PARTITION", design.partition) && ok;
    ok = WriteFontKeys(file, section, kDesignFontKeys, design) && ok;
    ok = WriteSettingInt(file, section, "TEXTCOLOR_HOLIDAY", (int32_t)design.holidayColor) && ok;
    ok = WriteSettingInt(file, section, "TEXTCOLOR_SATURDAY", (int32_t)design.saturdayColor) && ok;
    ok = WriteSettingInt(file, section, "TEXTCOLOR_SUNDAY", (int32_t)design.sundayColor) && ok;
    ok = WriteSettingInt(file, section, "TEXTCOLOR_WEEKDAY", (int32_t)design.weekdayColor) && ok;
    ok = WriteSettingInt(file, section, "TEXTCOLOR_MONTH", (int32_t)design.titleColor) && ok;
    ok = WriteSettingInt(file, section, "TEXTCOLOR_OTHERDAY", (int32_t)design.otherMonthColor) && ok;
    return ok;
}

BrushTriple ReadDesignBrush(const char* file, const char* section)
{
    BrushTriple brush;
    brush.style = ReadSettingInt(file, section, kDesignStyleKey, kDefaultDesignBrushStyle);
    brush.color = (COLORREF)ReadSettingInt(file, section, kDesignColorKey, (int32_t)kDefaultBackgroundColor);
    brush.hatch = ReadSettingInt(file, section, kDesignHatchKey, kDefaultHatch);
    return brush;
}

bool WriteDesignBrush(const char* section, const char* file, int32_t style, COLORREF color, int32_t hatch)
{
    bool ok = WriteSettingInt(file, section, kDesignStyleKey, style);
    ok = WriteSettingInt(file, section, kDesignColorKey, (int32_t)color) && ok;
    ok = WriteSettingInt(file, section, kDesignHatchKey, hatch) && ok;
    return ok;
}

void ReadMemoSettings(MemoDisplaySettings* memo)
{
    memo->editorFontHeight = ReadSettingInt(kSettingsFile, "EDITOR", "FONTHEIGHT", kDefaultEditorFontHeight);
    memo->tooltipFontHeight = ReadSettingInt(kSettingsFile, "TOOLTIP", "FONTHEIGHT", kDefaultTooltipFontHeight);
    memo->tooltipWidth = ReadSettingInt(kSettingsFile, "TOOLTIP", "WIDTH", kDefaultTooltipWidth);
}

bool WriteMemoSettings(int32_t tooltipFontHeight, int32_t editorFontHeight, int32_t tooltipWidth)
{
    bool ok = WriteSettingInt(kSettingsFile, "TOOLTIP", "WIDTH", tooltipWidth);
    ok = WriteSettingInt(kSettingsFile, "EDITOR", "FONTHEIGHT", editorFontHeight) && ok;
    ok = WriteSettingInt(kSettingsFile, "TOOLTIP", "FONTHEIGHT", tooltipFontHeight) && ok;
    return ok;
}
