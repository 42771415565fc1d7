// Figures of picture backgrounds against solid ones.
#pragma once

// buildFolder holds pelmo.exe, with its trailing backslash.
void ReportPictures(const char* buildFolder);
