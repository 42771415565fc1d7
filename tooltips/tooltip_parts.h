// The state of the three tooltip windows and the steps all of them take.
// tooltips.cpp, day_tooltip.cpp and header_hints.cpp build
// on this file alone and never call one another.
#pragma once
#include <windows.h>

#include "core/dates.h"
#include "view/layout.h"

enum TooltipWindow { kDayTooltip, kHintTextTooltip, kHintIconTooltip, kTooltipWindows };

// Makes the three tooltip windows, owned by owner (the calendar window),
// whose resources come from instance. Everything remembered about earlier
// windows (armed tools, the hover, the switch) starts afresh; tooltips
// start switched on. False when a window could not be made.
bool MakeTooltipWindows(HWND owner, HINSTANCE instance);

HWND TooltipHandle(TooltipWindow which);
// The calendar window, whose mouse messages the tooltips watch.
HWND TooltipOwner();
HINSTANCE TooltipInstance();

// The day tooltip's font and maximum width. The font belongs to whoever
// hands it in, which releases it again.
void SetDayTooltipFont(HFONT font);
void SetDayTooltipWidth(int width);
HFONT DayTooltipFont();
int DayTooltipWidth();

void SetTooltipSwitch(bool on);
bool TooltipSwitchOn();

// What the day tooltip remembers of the pointer. cell and dateLine are the
// day whose memo was read during the pointer's current stay in that cell
// (kNoCell and empty when it is over none); armed tells that the tool shown
// still holds what was read, so the next move need not read it again.
struct DayHover {
    int cell;
    char dateLine[kDateLineSize];
    bool armed;
};
// The record lives as long as the tooltip windows: new windows start with
// a pointer over no cell.
DayHover* RememberedHover();

// Gives tip the shared tool record with this id, rectangle and text as its
// only tool. key names what the tool shows (for IsToolArmed).
void ArmTool(HWND tip, UINT id, Rect rect, const char* text, const char* key);
// True when the last ArmTool of any tooltip was this one.
bool IsToolArmed(HWND tip, UINT id, Rect rect, const char* key);

// Hands tip the pointer move (pt in the owner's client area) that armed it.
// The tooltip watched that very move before its tool existed and would wait
// for the next one to start its delay; a pointer that came to rest with
// this move would never see the tooltip. Call after the activation.
void ReplayMove(HWND tip, Point pt);

void SetTooltipDelay(HWND tip, WPARAM which, int milliseconds);
void ActivateTooltip(HWND tip, bool active);
// Activates tip unless tooltips are switched off.
void ActivateIfOn(HWND tip);
