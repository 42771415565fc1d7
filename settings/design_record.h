// The appearance of a design that is held in memory (the brush and the cell
// colours live only in the settings file), the memo display sizes and the
// design registry values.
#pragma once
#include <windows.h>
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

struct MemoDisplaySettings {
    int32_t tooltipFontHeight;  // TOOLTIP FONTHEIGHT
    int32_t editorFontHeight;   // EDITOR FONTHEIGHT
    int32_t tooltipWidth;       // TOOLTIP WIDTH
};

// Held by the calendar window, loaded at start-up and saved at exit.
struct RegistryValues {
    uint32_t designCount;       // REGIST SUM
    uint32_t currentDesign;     // REGIST CURRENT, 0 for none
    uint32_t unregisteredChange;// REGIST CHANGE
};

// Designs are numbered 1 to 999; a stored count or number at or above this
// limit means the file is damaged.
constexpr uint32_t kDesignNumberLimit = 1000;
