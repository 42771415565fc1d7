// The day tooltip and the header hints.
#pragma once
#include <windows.h>

#include "settings/design_record.h"
#include "view/layout.h"

void CreateTooltips(HWND window, MemoDisplaySettings memo);
void DestroyTooltipResources();
void SetTooltipsActive(bool active);
bool TooltipsOn();
void PrepareMemoBuffer();
void ReleaseMemoBuffer();
void OnHoverDay(HWND window, const CalendarLayout& layout, int cell);
void OnHoverOutsideDays(HWND window, const CalendarLayout& layout, Point pt);
