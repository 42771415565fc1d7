// Telling a first start from an ordinary one, and the shortcut flags that
// mark it.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "settings/settings_edit.h"

// Runs the start-up decision and gives the unregistered-change flag. Without
// pelmo.ini it asks where to put shortcuts and gives 1. With a pelmo.ini that
// no exit has written yet (no SHELLLINK STARTUP, or 100), as shipped beside
// the executable, it asks the same, writes the default picture designs'
// paths and gives 0. Otherwise it loads the shortcut flags and gives
// REGIST CHANGE.
uint32_t DecideFirstStart(HWND window);

void LoadShortcutFlags();
// Puts the flags into an edit of pelmo.ini; once they are saved, the next
// start is an ordinary one.
void WriteShortcutFlags(SettingsEdit* edit);

// True once when the first start's picture paths could not be saved, for
// the message after the first frame.
bool FirstStartNotSaved();
