// The day tooltip (a memo, or a date with its holiday name) and the hints
// over the title band and the header cells, which double as buttons.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "settings/design_record.h"
#include "view/layout.h"

// The three tooltip windows, owned by window (the calendar window) and
// living as long as it does, and the fonts of ApplyMemoDisplaySettings.
// Tooltips start switched on.
bool CreateTooltips(HWND window, MemoDisplaySettings memo);

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

// The pointer is over day cell `cell` (0 to 41) at cellRect, whose date and
// date line are given: puts the header hints away and shows the memo, the
// date with its holiday or observance name, or the date line alone. The memo
// file is read again only when the cell or its date line changed.
void ArmDayTooltip(int cell, Rect cellRect, const char* dateLine, GridDate date);

// The pointer left the day cells: puts the day tooltip away; the next move
// over any cell arms it afresh.
void ForgetHover();

// The pointer is over no day cell: the hint of the zone under pt, or none.
void UpdateHeaderHints(Point pt, const CalendarLayout& layout);

// Activates (when tooltips are switched on) or deactivates all three.
void SetTooltipsActive(bool active);
bool TooltipsOn();

// Commands IDM_TOOLTIPS_OFF and IDM_TOOLTIPS_ON: switch the tooltips and
// replace the menu's switch entry by its opposite. False, doing nothing, for
// any other command. The one-argument form works on the context menu.
bool ToggleTooltips(HMENU menu, int command);
bool ToggleTooltips(int command);
