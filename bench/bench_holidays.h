// The start of the calendar with the published holiday file beside it.
#pragma once

// buildFolder holds pelmo.exe, with its trailing backslash.
void ReportHolidayFileStart(const char* buildFolder);
