// The time the settings sheet takes to open.
#pragma once

void ReportSettingsSheet();
