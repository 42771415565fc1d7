// The three tooltip windows of the calendar, their fonts and their switch.
// The day tooltip is day_tooltip.h, the hints over the title band and the
// header cells header_hints.h.
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

// Activates (when tooltips are switched on) or deactivates all three.
void SetTooltipsActive(bool active);
bool TooltipsOn();

// Commands IDM_TOOLTIPS_OFF and IDM_TOOLTIPS_ON: switch the tooltips and
// replace menu's switch entry (the context menu's) by its opposite, in its
// place. False, doing nothing, for any other command.
bool ToggleTooltips(HMENU menu, int command);
