// Telling a first start from an ordinary one, and the shortcut flags that
// mark it.
#pragma once
#include <windows.h>
#include <stdint.h>

// Runs the start-up decision and gives the unregistered-change flag: 1 when
// there is no pelmo.ini yet, 0 after preparing the default designs, else
// REGIST CHANGE.
uint32_t DecideFirstStart(HWND window);

void LoadShortcutFlags();
void SaveShortcutFlags();
