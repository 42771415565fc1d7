// The shortcut dialog of the first start, shared by its template
// (res/shortcut_dialog.rc) and its procedure.
#pragma once

#define IDD_SHORTCUTS         401
#define IDC_SHORTCUT_DESKTOP  501
#define IDC_SHORTCUT_PROGRAMS 502
#define IDC_SHORTCUT_STARTUP  503
