#include "memo/tooltips.h"

// Tooltips come with the memo editor; the calendar window already calls
// these at their places.
void CreateTooltips(HWND, MemoDisplaySettings) {}
void DestroyTooltipResources() {}
void SetTooltipsActive(bool) {}
bool TooltipsOn() { return false; }
void PrepareMemoBuffer() {}
void ReleaseMemoBuffer() {}
void OnHoverDay(HWND, const CalendarLayout&, int) {}
void OnHoverOutsideDays(HWND, const CalendarLayout&, Point) {}
