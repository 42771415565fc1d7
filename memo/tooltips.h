// The day tooltip (a memo, or a date with its holiday name) and the hints
// over the title band and the header cells, which double as buttons.
// Defined in memo/tooltips.cpp (windows, fonts, switch), memo/day_tooltip.cpp
// and memo/header_hints.cpp.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "settings/design_record.h"
#include "view/layout.h"

// The three tooltip windows, owned by window (the calendar window) and
// living as long as it does, and the fonts of ApplyMemoDisplaySettings.
// The hint icons are loaded from instance. Tooltips start switched on.
bool CreateTooltips(HWND window, HINSTANCE instance, MemoDisplaySettings memo);

// Makes the tooltip font and the editor font (again) and keeps the tooltip
// width; the day tooltip uses them from its next arming, the editor from its
// next opening.
void ApplyMemoDisplaySettings(MemoDisplaySettings memo);

// The fonts; the tooltip windows stay until their owner is destroyed.
void DestroyTooltipResources();

// The buffer that a memo is read into for the day tooltip
// (kMemoBufferSize bytes). Without it the day tooltip shows date labels.
bool PrepareMemoBuffer();
void ReleaseMemoBuffer();

// A pointer move to pt (client coordinates) over day cell `cell` (0 to 41)
// at cellRect, whose date and date line are given: puts the header hints
// away and shows the memo, the date with its holiday or observance name, or
// the date line alone, after the tooltip's delay even when the pointer
// rests from this move on. The memo file is read again only when the cell
// or its date line changed, or after InvalidateDayTooltip. A memo that
// cannot be read is announced once while the pointer stays in its cell.
void ArmDayTooltip(int cell, Rect cellRect, const char* dateLine, GridDate date, Point pt);

// For the refresh: what the cells show may have changed (a memo written,
// another month), so the next arming reads the memo again. Unlike
// ForgetHover it keeps the pointer's stay in its cell: a failure to read the
// same memo is not announced again.
void InvalidateDayTooltip();

// The pointer is over no day cell: puts the day tooltip away; the next move
// over any cell arms it afresh and may announce its memo's failure again.
void ForgetHover();

// A pointer move to pt over no day cell: the hint of the zone under pt, shown
// after its delay even when the pointer rests from this move on, or none.
void UpdateHeaderHints(Point pt, const CalendarLayout& layout);

// Activates (when tooltips are switched on) or deactivates all three.
void SetTooltipsActive(bool active);
bool TooltipsOn();

// Commands IDM_TOOLTIPS_OFF and IDM_TOOLTIPS_ON: switch the tooltips and
// replace menu's switch entry (the context menu's) by its opposite, in its
// place. False, doing nothing, for any other command.
bool ToggleTooltips(HMENU menu, int command);
