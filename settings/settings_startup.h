// Loading the settings when the calendar window is created and saving them
// when it closes. The calendar window owns the records; these fill and store
// them.
#pragma once
#include <windows.h>

#include "settings/design_record.h"
#include "settings/settings_edit.h"

// Fills the design, places and shows the window, fills the memo sizes and the
// design count and current number. A count or number of 1000 or more (a
// negative one included) is reported in a message box owned by the window,
// with the key's name as caption, and false is returned: the caller then ends
// the program without saving anything. The unregistered-change flag is left
// to the caller, which decides it before this runs.
bool LoadSettings(const char* file, HWND window, DesignRecord* design, MemoDisplaySettings* memo,
                  RegistryValues* registry);

// Puts everything the calendar window holds into an edit of pelmo.ini: the
// brush's values (call before deleting it; a null brush leaves them as
// stored), the design, the memo sizes, the registry values and the window's
// rectangle.
void SaveSettings(SettingsEdit* edit, HWND window, HBRUSH brush, const DesignRecord& design,
                  MemoDisplaySettings memo, RegistryValues registry);
