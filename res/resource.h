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
#define IDT_CLOCK             1
#define IDT_FIRST_FRAME_SHOWN 4
// Tries again to register the tray icon while the shell refuses it.
#define IDT_TRAY_RETRY 5

// Private messages of the calendar window.
#define WM_PELMO_TRAY (WM_APP + 1)
// The calendar's one tray icon.
#define ID_TRAY_ICON          1
#define WM_PELMO_APPLY_DESIGN (WM_APP + 2)
// Lay out and paint the calendar again, as a size change does.
#define WM_PELMO_REFRESH (WM_APP + 3)
// From the design list window as it closes: wParam 1 after OK, 0 after
// Cancel or its close box.
#define WM_PELMO_DESIGN_LIST_CLOSED (WM_APP + 4)
// To the design list window: wParam the design count, lParam the current
// design number (the apply message's number, its parameters reversed).
#define WM_PELMO_SHOW_DESIGNS WM_PELMO_APPLY_DESIGN

// Commands (menu entries and double-click actions).
#define IDM_HIDE      309
#define IDM_MAXIMIZE  310
#define IDM_EDIT_MEMO 532

// The context menu and the commands that only it reaches.
#define IDR_CONTEXT_MENU     351
#define IDM_EXIT             302
#define IDM_HELP             303
#define IDM_ABOUT            304
#define IDM_SETTINGS         308
#define IDM_TOOLTIPS_ON      352
#define IDM_TOOLTIPS_OFF     353
#define IDM_DESIGN_NEW       354
#define IDM_DESIGN_OVERWRITE 355
#define IDM_DESIGN_CHOOSE    356
#define IDM_OPEN_IMAGES      357

// The version dialog and the notices that close by themselves.
#define IDD_ABOUT                 400
#define IDD_NOTICE_REGISTERED     620
#define IDD_NOTICE_OVERWRITTEN    621
#define IDD_NOTICE_CHANGE_STOPPED 629

// Controls of the design list window.
#define IDC_DESIGN_LIST           601
#define IDC_DESIGN_DELETE         602
#define IDC_DESIGN_UP             622
#define IDC_DESIGN_DOWN           623
#define IDC_AUTO_CHANGE           624
#define IDC_AUTO_AT_STARTUP       625
#define IDC_AUTO_HOURLY           626
#define IDC_AUTO_LIST_ORDER       627
#define IDC_AUTO_RANDOM           628
#define IDT_NOTICE                2
#define IDT_CHANGE_STOPPED_NOTICE 3
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The memo editor and the icons of the header hints.
#define IDD_MEMO_EDITOR   530
#define IDC_MEMO_EDIT     531
#define IDI_HINT_EXIT     102
#define IDI_HINT_HIDE     103
#define IDI_HINT_MAXIMIZE 104
#define IDI_HINT_RESTORE  105

// The settings sheet: its four pages (each with its "更 新" button) and the
// controls of each page, kept in a header of the page's own.
#define IDD_PAGE_BACKGROUND   402
#define IDD_PAGE_TEXT         418
#define IDD_PAGE_FONT         432
#define IDD_PAGE_MEMO         510
#define IDC_BACKGROUND_UPDATE 490
#define IDC_TEXT_UPDATE       491
#define IDC_FONT_UPDATE       492
#define IDC_MEMO_UPDATE       493
#include "res/page_background_ids.h"
#include "res/page_text_ids.h"
#include "res/page_font_ids.h"
#include "res/page_memo_ids.h"

// The shortcut dialog of the first start.
#include "res/shortcut_ids.h"
