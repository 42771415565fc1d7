// What the day tooltip and the header hints share with the owner of the
// tooltip windows (memo/tooltips.cpp).
#pragma once
#include <windows.h>

#include "view/layout.h"

enum TooltipWindow { kDayTooltip, kHintTextTooltip, kHintIconTooltip, kTooltipWindows };

HWND TooltipHandle(TooltipWindow which);
// The calendar window, whose mouse messages the tooltips watch.
HWND TooltipOwner();
HFONT DayTooltipFont();
int DayTooltipWidth();

// Gives tip the shared tool record with this id, rectangle and text as its
// only tool. key names what the tool shows (for IsToolArmed).
void ArmTool(HWND tip, UINT id, Rect rect, const char* text, const char* key);
// True when the last ArmTool of any tooltip was this one.
bool IsToolArmed(HWND tip, UINT id, Rect rect, const char* key);

void SetTooltipDelay(HWND tip, WPARAM which, int milliseconds);
void ActivateTooltip(HWND tip, bool active);
// Activates tip unless tooltips are switched off.
void ActivateIfOn(HWND tip);
