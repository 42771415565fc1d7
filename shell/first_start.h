// Telling a first start from an ordinary one, and the shortcut flags that
// mark it.
#pragma once
#include <windows.h>
#include <stdint.h>

// Runs the start-up decision and gives the unregistered-change flag. Without
// pelmo.ini it asks where to put shortcuts and gives 1. With a pelmo.ini that
// no exit has written yet (no SHELLLINK STARTUP, or 100), as shipped beside
// the executable, it asks the same, writes the default picture designs'
// paths and gives 0. Otherwise it loads the shortcut flags and gives
// REGIST CHANGE.
uint32_t DecideFirstStart(HWND window);

void LoadShortcutFlags();
// Writes the flags; once written, the next start is an ordinary one.
void SaveShortcutFlags();
