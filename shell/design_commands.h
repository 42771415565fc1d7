// The commands that change the design in force: register as new (354),
// overwrite (355), the settings sheet (308), the design list (356), and
// applying a design (the private apply message).
#pragma once
#include <windows.h>
#include <stdint.h>

#include "shell/calendar_state.h"

// True when command was a design command; *refresh tells whether the
// calendar should be painted again.
bool HandleDesignCommand(HWND window, int command, CalendarState* state, bool* refresh);

// The apply message: design number becomes the design in force (count 0:
// there is none left). Restarts the clock timer; the caller refreshes.
void ApplyDesignToCalendar(HWND window, CalendarState* state, uint32_t number, uint32_t count);
