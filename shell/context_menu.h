// The right-click menu of the calendar window. Loaded once, kept between
// showings: an entry keeps its enabled state until a rule changes it.
#pragma once
#include <windows.h>

#include "settings/design_record.h"

void LoadContextMenu();
void DestroyContextMenu();

// The pop-up that is shown (null before loading and after destroying).
HMENU ContextMenu();

// The enabling of a right click on the calendar: the memo entry only over a
// day cell, hiding always.
void PrepareCalendarMenu(bool overDayCell);

// Enables or disables one command of the menu.
void EnableDesignCommand(int command, bool enabled);

// Enables and disables the three design commands as the registry values
// call for.
void UpdateDesignMenu(RegistryValues registry);

// Prepares the menu for a right click on the calendar and shows it at the
// cursor; the chosen command arrives at window as WM_COMMAND.
void ShowContextMenu(HWND window, bool overDayCell);

// The same from the tray icon: no memo entry (no day was clicked), and
// hiding only while there is something to hide.
void ShowTrayMenu(HWND window, bool calendarVisible);
