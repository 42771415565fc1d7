// The values a setting takes when its key is absent. Stored files and the
// first start rely on them, so every reader uses these and nothing else.
#pragma once
#include <windows.h>
#include <stdint.h>

// POSITION, and the rectangle used when the stored one is unusable.
constexpr int32_t kDefaultWindowLeft = 100;
constexpr int32_t kDefaultWindowTop = 100;
constexpr int32_t kDefaultWindowRight = 296;
constexpr int32_t kDefaultWindowBottom = 300;
constexpr int32_t kFallbackWindowWidth = 196;
constexpr int32_t kFallbackWindowHeight = 200;
// A stored top-left corner closer than this to the screen's right or bottom
// edge would leave nothing of the window to grab.
constexpr int32_t kScreenEdgeMargin = 10;
// A stored window is kept only between these sizes. The calendar's 7
// columns and 8 rows then get cells of at least 16 by 16 pixels, and its day
// numbers, drawn 5 pixels smaller than a cell's smaller side, at least 11
// pixels high: the least at which every digit is told apart (at 9 an 8
// reads as a 0) and two of them still fit the cell side by side. The largest
// window is the primary screen, the size of the picture the calendar is
// painted into.
constexpr int32_t kMinCellSide = 16;
constexpr int32_t kMinWindowWidth = 7 * kMinCellSide;
constexpr int32_t kMinWindowHeight = 8 * kMinCellSide;

// BGBRUSH. A design section without a style describes a picture background.
constexpr int32_t kDefaultBrushStyle = BS_SOLID;
constexpr int32_t kDefaultDesignBrushStyle = BS_PATTERN;
constexpr COLORREF kDefaultBackgroundColor = 0xFFFFE1;
constexpr int32_t kDefaultHatch = 0;
constexpr int32_t kDefaultTransparent = 0;

// FORMAT
constexpr int32_t kDefaultTitleFormat = 0;
constexpr int32_t kDefaultWeekdayFormat = 0;
constexpr int32_t kDefaultClockFlag = 0;
constexpr int32_t kDefaultPartition = 1;

// TEXTCOLOR
constexpr COLORREF kDefaultHolidayColor = 0xFF00FF;
constexpr COLORREF kDefaultSaturdayColor = 0xFF0000;
constexpr COLORREF kDefaultSundayColor = 0x0000FF;
constexpr COLORREF kDefaultWeekdayColor = 0x008000;
constexpr COLORREF kDefaultTitleColor = 0x0000FF;
constexpr COLORREF kDefaultOtherMonthColor = 0x808080;

// FONT
constexpr int32_t kDefaultCharset = SHIFTJIS_CHARSET;
constexpr const char* kDefaultFaceName = "ＭＳ Ｐゴシック";
constexpr int32_t kDefaultItalic = 0;
constexpr int32_t kDefaultWeight = 0;
constexpr int32_t kDefaultSizeOffset = 0;
constexpr int32_t kDefaultLeftShift = 0;

// TODAY and MARKED
constexpr COLORREF kDefaultTodayColor = 0x00FFFF;
constexpr COLORREF kDefaultMarkedTodayColor = 0x64B4FF;
constexpr COLORREF kDefaultMarkedColor = 0xFFFF00;

// EDITOR and TOOLTIP
constexpr int32_t kDefaultEditorFontHeight = 18;
constexpr int32_t kDefaultTooltipFontHeight = 18;
constexpr int32_t kDefaultTooltipWidth = 300;

// REGIST
constexpr int32_t kDefaultDesignCount = 0;
constexpr int32_t kDefaultCurrentDesign = 0;
constexpr int32_t kDefaultUnregisteredChange = 0;
