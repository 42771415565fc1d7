// Dialog 401 "ショートカット設定": which places get a shortcut to the
// calendar, asked on the first start.
#pragma once
#include <windows.h>
#include <stdint.h>

// One per place, 1 when its box was ticked (whether or not the shortcut
// could be made), else 0; kept in SHELLLINK of pelmo.ini.
struct ShortcutFlags {
    int32_t startup;
    int32_t startMenu;
    int32_t desktop;
};

// Shows the dialog modally, ticked as flags says. OK makes the shortcuts of
// the ticked places (start-up, desktop, start menu, in that order), records
// the ticks in flags and names the places whose shortcut could not be made
// in one message; Cancel clears the three flags. False when the dialog could
// not be shown; flags are then as they were.
bool ShowShortcutDialog(HWND owner, ShortcutFlags* flags);
