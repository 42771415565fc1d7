// Whether the look in force still is the current registered design.
#pragma once
#include "settings/design_record.h"

// True when the settings in force of file (its working brush keys,
// transparency and cell colours) or the record differ from its current
// design, or when there is no current design.
bool SettingsDifferFromDesign(const char* file, const DesignRecord& design);
