// The sizes and colours the memo page accepts, and what it makes of a stored
// or typed value outside them.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "settings/design_record.h"

// A memo tooltip is never laid out narrower or wider than this.
constexpr int32_t kMinTooltipWidth = 100;
constexpr int32_t kMaxTooltipWidth = 1000;
// Memo characters are at least a pixel high. Above, there is no limit but
// the counter's own: growing stops before it would wrap.
constexpr int32_t kMinMemoFontHeight = 1;
constexpr int32_t kMaxMemoFontHeight = INT32_MAX;

int32_t ClampTooltipWidth(int64_t width);

// The stored sizes made usable: a width outside the tooltip's range takes the
// nearer end; a height below a pixel names no size at all and takes the
// default.
MemoDisplaySettings SoundMemoSettings(MemoDisplaySettings memo);

// A colour read from the file with its top byte set would be taken as a
// palette entry; only its red, green and blue are kept.
COLORREF SoundColour(COLORREF colour);

// Digits, possibly grouped by the thousands separator the width box shows,
// with blanks around them. False for anything else, an empty text included.
// Numbers too large for the tooltip saturate rather than wrap.
bool ParseTypedNumber(const char* text, const char* separator, int64_t* value);
