// The calendar's side of the automatic design change: the decisions come
// from design/auto_change_rules; here they are carried out.
#pragma once
#include <windows.h>

#include "shell/calendar_state.h"

// While the calendar is created, once its settings are loaded and the
// design list window exists. A change called off is told once the first
// frame is on the screen (TellStartupChangeCalledOff).
void RunStartupDesignChange(HWND window, CalendarState* state);
void TellStartupChangeCalledOff(HWND window, CalendarState* state);

// On every tick of the one-second clock; true when the calendar is to be
// laid out and painted again (a new minute).
bool RunTimerDesignChange(HWND window, CalendarState* state);

// The design list window closed: after OK the next new hour keeps the
// design just chosen once.
void KeepChosenDesignOnce(CalendarState* state, bool confirmed);
