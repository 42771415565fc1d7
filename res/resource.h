// Resource, control and command ids, shared by the code and res/pelmo.rc.
#pragma once

#define IDI_PELMO 101

// Window classes and titles by which the windows (and a second start) find
// each other.
#define PELMO_MUTEX_NAME        "pelmo"
#define PELMO_OWNER_CLASS       "Dammy"
#define PELMO_CALENDAR_CLASS    "Main Window"
#define PELMO_DESIGN_LIST_CLASS "LoadDesign"

// Timers of the calendar window.
#define IDT_CLOCK 1

// Private messages of the calendar window.
#define WM_PELMO_TRAY         (WM_APP + 1)
#define WM_PELMO_APPLY_DESIGN (WM_APP + 2)

// Commands (menu entries and double-click actions).
#define IDM_HIDE            309
#define IDM_MAXIMIZE        310
#define IDM_EDIT_MEMO       532
