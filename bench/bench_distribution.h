// The start of the shipped distribution against a minimal window's.
#pragma once

// buildFolder holds minimal_window.exe and the dist folder, with its
// trailing backslash.
void ReportDistributionStart(const char* buildFolder);
