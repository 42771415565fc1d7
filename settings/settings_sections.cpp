#include "settings/settings_sections.h"

#include <string.h>

#include <string>

#include "settings/design_keys.h"
#include "settings/settings_defaults.h"
#include "settings/settings_file.h"

static COLORREF ColourOf(const ProfileSection& keys, const char* key, COLORREF defaultValue)
{
    return (COLORREF)ProfileInt(keys, key, (int32_t)defaultValue);
}

static void CopyText(const std::string& text, char* out, size_t size)
{
    const size_t length = text.size() < size ? text.size() : size - 1;
    memcpy(out, text.data(), length);
    out[length] = '\0';
}

// --- the working sections of a file ------------------------------------------

static BrushTriple BrushFromSection(const ProfileSection& bgbrush)
{
    BrushTriple brush;
    brush.style = ProfileInt(bgbrush, "STYLE", kDefaultBrushStyle);
    brush.color = ColourOf(bgbrush, "COLOR", kDefaultBackgroundColor);
    brush.hatch = ProfileInt(bgbrush, "HATCH", kDefaultHatch);
    return brush;
}

BrushTriple ReadBrushSection(const char* file)
{
    return BrushFromSection(ReadSettingsSection(file, "BGBRUSH"));
}

BackgroundRecord BackgroundFromSection(const ProfileSection& bgbrush)
{
    BackgroundRecord background = {};
    background.brush = BrushFromSection(bgbrush);
    CopyText(ProfileString(bgbrush, "BITMAP", kNoKeyValue, sizeof background.bitmap), background.bitmap,
             sizeof background.bitmap);
    CopyText(ProfileString(bgbrush, "ORGFILE", kNoKeyValue, sizeof background.orgFile), background.orgFile,
             sizeof background.orgFile);
    return background;
}

BackgroundRecord ReadBackground(const char* file)
{
    return BackgroundFromSection(ReadSettingsSection(file, "BGBRUSH"));
}

CellColors ReadCellColors(const char* file)
{
    const ProfileSection marked = ReadSettingsSection(file, "MARKED");
    CellColors colors;
    colors.marked = ColourOf(marked, "COLOR", kDefaultMarkedColor);
    colors.today = ColourOf(ReadSettingsSection(file, "TODAY"), "COLOR", kDefaultTodayColor);
    colors.markedToday = ColourOf(marked, "TODAYCOLOR", kDefaultMarkedTodayColor);
    return colors;
}

bool ReadTransparent(const char* file)
{
    return ProfileInt(ReadSettingsSection(file, "BGBRUSH"), "TRANSPARENT", kDefaultTransparent) != 0;
}

// The record's values and where they are stored: FORMAT and TEXTCOLOR in
// the working sections, "FORMAT_" and "TEXTCOLOR_" keys in a design section.
struct RecordKeys {
    const char* titleFormat;
    const char* weekdayFormat;
    const char* clock;
    const char* holiday;
    const char* saturday;
    const char* sunday;
    const char* weekday;
    const char* title;
    const char* otherMonth;
    const char* partition;
};

static const RecordKeys kWorkingRecordKeys = {"YMTYPE", "WTYPE",   "CLOCK", "HOLIDAY",  "SATURDAY",
                                              "SUNDAY", "WEEKDAY", "MONTH", "OTHERDAY", "PARTITION"};
static const RecordKeys kDesignRecordKeys = {"FORMAT_YMTYPE",     "FORMAT_WTYPE",       "FORMAT_CLOCK",
                                             "TEXTCOLOR_HOLIDAY", "TEXTCOLOR_SATURDAY", "TEXTCOLOR_SUNDAY",
                                             "TEXTCOLOR_WEEKDAY", "TEXTCOLOR_MONTH",    "TEXTCOLOR_OTHERDAY",
                                             "FORMAT_PARTITION"};

static void FormatFromSections(const ProfileSection& format, const ProfileSection& colours,
                               const RecordKeys& keys, DesignRecord* design)
{
    design->titleFormat = (uint16_t)ProfileInt(format, keys.titleFormat, kDefaultTitleFormat);
    design->weekdayFormat = (uint16_t)ProfileInt(format, keys.weekdayFormat, kDefaultWeekdayFormat);
    design->clockFlag = ProfileInt(format, keys.clock, kDefaultClockFlag);
    design->holidayColor = ColourOf(colours, keys.holiday, kDefaultHolidayColor);
    design->saturdayColor = ColourOf(colours, keys.saturday, kDefaultSaturdayColor);
    design->sundayColor = ColourOf(colours, keys.sunday, kDefaultSundayColor);
    design->weekdayColor = ColourOf(colours, keys.weekday, kDefaultWeekdayColor);
    design->titleColor = ColourOf(colours, keys.title, kDefaultTitleColor);
    design->otherMonthColor = ColourOf(colours, keys.otherMonth, kDefaultOtherMonthColor);
    design->partition = ProfileInt(format, keys.partition, kDefaultPartition);
}

void ReadFormatSection(const char* file, DesignRecord* design)
{
    FormatFromSections(ReadSettingsSection(file, "FORMAT"), ReadSettingsSection(file, "TEXTCOLOR"),
                       kWorkingRecordKeys, design);
}

// New keys land in the order FORMAT's formats, the colours, the partition.
void WriteFormatSection(SettingsEdit* edit, const DesignRecord& design)
{
    const RecordKeys& keys = kWorkingRecordKeys;
    SetSettingInt(edit, "FORMAT", keys.titleFormat, design.titleFormat);
    SetSettingInt(edit, "FORMAT", keys.weekdayFormat, design.weekdayFormat);
    SetSettingInt(edit, "FORMAT", keys.clock, design.clockFlag);
    SetSettingInt(edit, "TEXTCOLOR", keys.holiday, (int32_t)design.holidayColor);
    SetSettingInt(edit, "TEXTCOLOR", keys.saturday, (int32_t)design.saturdayColor);
    SetSettingInt(edit, "TEXTCOLOR", keys.sunday, (int32_t)design.sundayColor);
    SetSettingInt(edit, "TEXTCOLOR", keys.weekday, (int32_t)design.weekdayColor);
    SetSettingInt(edit, "TEXTCOLOR", keys.title, (int32_t)design.titleColor);
    SetSettingInt(edit, "TEXTCOLOR", keys.otherMonth, (int32_t)design.otherMonthColor);
    SetSettingInt(edit, "FORMAT", keys.partition, design.partition);
}

// The font keys live either in FONT ("CHARSET") or in a design section
// ("FONT_CHARSET").
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
                                         "FONT_WEIGHT",  "FONT_OFFSET",   "FONT_LSHIFT"};

// Character set and italic flag are bytes: a larger stored value keeps its
// low byte.
static void FontFromSection(const ProfileSection& keys, const FontKeys& names, DesignRecord* design)
{
    design->font.lfCharSet = (BYTE)ProfileInt(keys, names.charset, kDefaultCharset);
    CopyText(ProfileString(keys, names.faceName, kDefaultFaceName, sizeof design->font.lfFaceName),
             design->font.lfFaceName, sizeof design->font.lfFaceName);
    design->font.lfItalic = (BYTE)ProfileInt(keys, names.italic, kDefaultItalic);
    design->font.lfWeight = ProfileInt(keys, names.weight, kDefaultWeight);
    design->sizeOffset = ProfileInt(keys, names.offset, kDefaultSizeOffset);
    design->leftShift = ProfileInt(keys, names.leftShift, kDefaultLeftShift);
}

// The face name as it is written: terminated within its 32 bytes and never
// ending in half a character.
static std::string StoredFaceName(const LOGFONTA& font)
{
    std::string face(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE - 1));
    CutPartialCharacter(&face);
    return face;
}

static void WriteFontKeys(SettingsEdit* edit, const char* section, const FontKeys& names,
                          const DesignRecord& design)
{
    SetSettingInt(edit, section, names.charset, design.font.lfCharSet);
    SetSetting(edit, section, names.faceName, StoredFaceName(design.font).c_str());
    SetSettingInt(edit, section, names.italic, design.font.lfItalic);
    SetSettingInt(edit, section, names.weight, design.font.lfWeight);
    SetSettingInt(edit, section, names.offset, design.sizeOffset);
    SetSettingInt(edit, section, names.leftShift, design.leftShift);
}

void ReadFontSection(const char* file, DesignRecord* design)
{
    memset(&design->font, 0, sizeof design->font);
    FontFromSection(ReadSettingsSection(file, "FONT"), kWorkingFontKeys, design);
}

void WriteFontSection(SettingsEdit* edit, const DesignRecord& design)
{
    WriteFontKeys(edit, "FONT", kWorkingFontKeys, design);
}

void ReadMemoSettings(const char* file, MemoDisplaySettings* memo)
{
    const ProfileSection tooltip = ReadSettingsSection(file, "TOOLTIP");
    memo->editorFontHeight = ProfileInt(ReadSettingsSection(file, "EDITOR"), "FONTHEIGHT",
                                        kDefaultEditorFontHeight);
    memo->tooltipFontHeight = ProfileInt(tooltip, "FONTHEIGHT", kDefaultTooltipFontHeight);
    memo->tooltipWidth = ProfileInt(tooltip, "WIDTH", kDefaultTooltipWidth);
}

void WriteMemoSettings(SettingsEdit* edit, MemoDisplaySettings memo)
{
    SetSettingInt(edit, "TOOLTIP", "WIDTH", memo.tooltipWidth);
    SetSettingInt(edit, "EDITOR", "FONTHEIGHT", memo.editorFontHeight);
    SetSettingInt(edit, "TOOLTIP", "FONTHEIGHT", memo.tooltipFontHeight);
}

void WriteBrushSection(SettingsEdit* edit, BrushTriple brush)
{
    SetSettingInt(edit, "BGBRUSH", "STYLE", brush.style);
    SetSettingInt(edit, "BGBRUSH", "COLOR", (int32_t)brush.color);
    SetSettingInt(edit, "BGBRUSH", "HATCH", brush.hatch);
}

void WriteBackground(SettingsEdit* edit, const BackgroundRecord& background)
{
    WriteBrushSection(edit, background.brush);
    SetSetting(edit, "BGBRUSH", "BITMAP", background.bitmap);
    SetSetting(edit, "BGBRUSH", "ORGFILE", background.orgFile);
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

bool WriteBrushSectionFromBrush(SettingsEdit* edit, HBRUSH brush)
{
    BrushTriple triple;
    if (!BrushTripleFromBrush(brush, &triple)) {
        return false;
    }
    WriteBrushSection(edit, triple);
    return true;
}

void WriteTransparent(SettingsEdit* edit, int32_t transparent)
{
    SetSettingInt(edit, "BGBRUSH", "TRANSPARENT", transparent);
}

void WriteCellColors(SettingsEdit* edit, CellColors colors)
{
    SetSettingInt(edit, "TODAY", "COLOR", (int32_t)colors.today);
    SetSettingInt(edit, "MARKED", "TODAYCOLOR", (int32_t)colors.markedToday);
    SetSettingInt(edit, "MARKED", "COLOR", (int32_t)colors.marked);
}

// --- design sections ---------------------------------------------------------

void DesignRecordFromSection(const ProfileSection& keys, DesignRecord* design)
{
    FormatFromSections(keys, keys, kDesignRecordKeys, design);
    FontFromSection(keys, kDesignFontKeys, design);
}

void ReadDesignSection(const char* file, DesignRecord* design, const char* section)
{
    DesignRecordFromSection(ReadSettingsSection(file, section), design);
}

// The order of the file: formats, partition, font, then the colours.
void WriteDesignSection(SettingsEdit* edit, const char* section, const DesignRecord& design)
{
    const RecordKeys& keys = kDesignRecordKeys;
    SetSettingInt(edit, section, keys.titleFormat, design.titleFormat);
    SetSettingInt(edit, section, keys.weekdayFormat, design.weekdayFormat);
    SetSettingInt(edit, section, keys.clock, design.clockFlag);
    SetSettingInt(edit, section, keys.partition, design.partition);
    WriteFontKeys(edit, section, kDesignFontKeys, design);
    SetSettingInt(edit, section, keys.holiday, (int32_t)design.holidayColor);
    SetSettingInt(edit, section, keys.saturday, (int32_t)design.saturdayColor);
    SetSettingInt(edit, section, keys.sunday, (int32_t)design.sundayColor);
    SetSettingInt(edit, section, keys.weekday, (int32_t)design.weekdayColor);
    SetSettingInt(edit, section, keys.title, (int32_t)design.titleColor);
    SetSettingInt(edit, section, keys.otherMonth, (int32_t)design.otherMonthColor);
}

BrushTriple DesignBrushFromSection(const ProfileSection& keys)
{
    BrushTriple brush;
    brush.style = ProfileInt(keys, kDesignStyleKey, kDefaultDesignBrushStyle);
    brush.color = ColourOf(keys, kDesignColorKey, kDefaultBackgroundColor);
    brush.hatch = ProfileInt(keys, kDesignHatchKey, kDefaultHatch);
    return brush;
}

void WriteDesignBrush(SettingsEdit* edit, const char* section, BrushTriple brush)
{
    SetSettingInt(edit, section, kDesignStyleKey, brush.style);
    SetSettingInt(edit, section, kDesignColorKey, (int32_t)brush.color);
    SetSettingInt(edit, section, kDesignHatchKey, brush.hatch);
}

Design DesignFromSection(const ProfileSection& keys)
{
    Design design = {};
    DesignLook& look = design.look;
    look.background.brush = DesignBrushFromSection(keys);
    CopyText(ProfileString(keys, kDesignBitmapKey, kNoKeyValue, kPicturePathSize), look.background.bitmap,
             sizeof look.background.bitmap);
    CopyText(ProfileString(keys, kDesignOrgFileKey, kNoKeyValue, kPicturePathSize), look.background.orgFile,
             sizeof look.background.orgFile);
    look.transparent = ProfileInt(keys, kDesignTransparentKey, kDefaultTransparent);
    look.cellColors.today = ColourOf(keys, kDesignTodayColorKey, kDefaultTodayColor);
    look.cellColors.markedToday = ColourOf(keys, kDesignMarkedTodayKey, kDefaultMarkedTodayColor);
    look.cellColors.marked = ColourOf(keys, kDesignMarkedColorKey, kDefaultMarkedColor);
    DesignRecordFromSection(keys, &design.record);
    return design;
}

// In the order a copied design has always had its keys.
void WriteWholeDesign(SettingsEdit* edit, const char* section, const Design& design)
{
    const DesignLook& look = design.look;
    WriteDesignBrush(edit, section, look.background.brush);
    SetSettingInt(edit, section, kDesignTransparentKey, look.transparent);
    SetSetting(edit, section, kDesignOrgFileKey, look.background.orgFile);
    SetSetting(edit, section, kDesignBitmapKey, look.background.bitmap);
    SetSettingInt(edit, section, kDesignTodayColorKey, (int32_t)look.cellColors.today);
    SetSettingInt(edit, section, kDesignMarkedTodayKey, (int32_t)look.cellColors.markedToday);
    SetSettingInt(edit, section, kDesignMarkedColorKey, (int32_t)look.cellColors.marked);
    WriteDesignSection(edit, section, design.record);
}

// --- the whole design in force -------------------------------------------------

// The six working sections, wherever they were read from.
struct WorkingSections {
    ProfileSection bgbrush, today, marked, format, textcolor, font;
};

static Design WorkingDesignFrom(const WorkingSections& sections)
{
    Design design = {};
    design.look.background = BackgroundFromSection(sections.bgbrush);
    design.look.transparent = ProfileInt(sections.bgbrush, "TRANSPARENT", kDefaultTransparent);
    design.look.cellColors.marked = ColourOf(sections.marked, "COLOR", kDefaultMarkedColor);
    design.look.cellColors.today = ColourOf(sections.today, "COLOR", kDefaultTodayColor);
    design.look.cellColors.markedToday = ColourOf(sections.marked, "TODAYCOLOR", kDefaultMarkedTodayColor);
    FormatFromSections(sections.format, sections.textcolor, kWorkingRecordKeys, &design.record);
    FontFromSection(sections.font, kWorkingFontKeys, &design.record);
    return design;
}

Design ReadWorkingDesign(const char* file)
{
    return WorkingDesignFrom(
        WorkingSections{ReadSettingsSection(file, "BGBRUSH"), ReadSettingsSection(file, "TODAY"),
                        ReadSettingsSection(file, "MARKED"), ReadSettingsSection(file, "FORMAT"),
                        ReadSettingsSection(file, "TEXTCOLOR"), ReadSettingsSection(file, "FONT")});
}

Design EditedWorkingDesign(const SettingsEdit& edit)
{
    return WorkingDesignFrom(WorkingSections{EditedSection(edit, "BGBRUSH"), EditedSection(edit, "TODAY"),
                                             EditedSection(edit, "MARKED"), EditedSection(edit, "FORMAT"),
                                             EditedSection(edit, "TEXTCOLOR"), EditedSection(edit, "FONT")});
}

void WriteWorkingDesign(SettingsEdit* edit, const Design& design)
{
    WriteBrushSection(edit, design.look.background.brush);
    WriteFormatSection(edit, design.record);
    WriteFontSection(edit, design.record);
    WriteTransparent(edit, design.look.transparent);
    SetSetting(edit, "BGBRUSH", "ORGFILE", design.look.background.orgFile);
    SetSetting(edit, "BGBRUSH", "BITMAP", design.look.background.bitmap);
    WriteCellColors(edit, design.look.cellColors);
}
