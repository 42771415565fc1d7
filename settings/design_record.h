// The appearance of a design that is held in memory, the values of its
// background brush and cell highlights, the memo display sizes and the
// design registry values.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

struct DesignRecord {
    uint16_t titleFormat;       // FORMAT YMTYPE
    uint16_t weekdayFormat;     // FORMAT WTYPE
    int32_t clockFlag;          // FORMAT CLOCK
    LOGFONTA font;              // only weight, italic, charset, face are stored
    int32_t sizeOffset;         // FONT OFFSET
    int32_t leftShift;          // FONT LSHIFT
    COLORREF titleColor;        // TEXTCOLOR MONTH
    COLORREF sundayColor;       // TEXTCOLOR SUNDAY
    COLORREF saturdayColor;     // TEXTCOLOR SATURDAY
    COLORREF holidayColor;      // TEXTCOLOR HOLIDAY
    COLORREF weekdayColor;      // TEXTCOLOR WEEKDAY
    COLORREF otherMonthColor;   // TEXTCOLOR OTHERDAY
    int32_t partition;          // FORMAT PARTITION
};

// A format that needs Japanese glyphs cannot be shown in a font with the
// ANSI character set: such a design takes the English title (without the
// clock, which the English month name has no room for) and the letter
// weekday names. The change stays in the record, so it is saved with it.
// True when anything changed.
bool AdjustFormatsForFont(DesignRecord* design);

// BGBRUSH STYLE, COLOR and HATCH.
struct BrushTriple {
    int32_t style;    // BS_SOLID, BS_HATCHED or BS_PATTERN
    COLORREF color;   // background colour, or the colour of hatch lines
    int32_t hatch;    // HS_* style, meaningful for BS_HATCHED only
};

// Stands for an unset path, both when read and when written.
constexpr const char* kNoKeyValue = "no key value";
// A stored picture path, terminator included.
constexpr size_t kPicturePathSize = 261;

// True when a stored path names a file rather than standing for none.
bool NamesFile(const char* path);

// The whole background of BGBRUSH but its transparency: the brush values
// and the two picture paths. Only a picture style (any style but solid and
// hatched) uses the paths; at most one of them names a file. bitmap is a
// BMP loaded as it is; orgFile a picture of another kind that is converted
// each time it is used.
struct BackgroundRecord {
    BrushTriple brush;
    char bitmap[kPicturePathSize];
    char orgFile[kPicturePathSize];
};

// MARKED COLOR, TODAY COLOR and MARKED TODAYCOLOR: the backgrounds of a day
// with a memo, of today, and of today with a memo.
struct CellColors {
    COLORREF marked;
    COLORREF today;
    COLORREF markedToday;
};

// Everything of a design beyond its record: the 9 keys of a design section
// that mirror BGBRUSH (with TRANSPARENT), TODAY and MARKED.
struct DesignLook {
    BackgroundRecord background;
    int32_t transparent;
    CellColors cellColors;
};

// A registered design whole: its look and its record. The members of the
// record's font description that are not stored are zero.
struct Design {
    DesignLook look;
    DesignRecord record;
};

struct MemoDisplaySettings {
    int32_t tooltipFontHeight;   // TOOLTIP FONTHEIGHT
    int32_t editorFontHeight;    // EDITOR FONTHEIGHT
    int32_t tooltipWidth;        // TOOLTIP WIDTH
};

// Held by the calendar window, loaded at start-up and saved at exit.
struct RegistryValues {
    uint32_t designCount;          // REGIST SUM
    uint32_t currentDesign;        // REGIST CURRENT, 0 for none
    uint32_t unregisteredChange;   // REGIST CHANGE
};

// Designs are numbered 1 to 999; a stored count or number at or above this
// limit means the file is damaged.
constexpr uint32_t kDesignNumberLimit = 1000;
