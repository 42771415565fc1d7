// Whole-file copies and deletions of the settings files beside the
// executable.
#pragma once

// Copies the file beside the executable over another one there: the copy
// is made whole beside the destination, read back, and then moved over it,
// so the destination is always the old file or the new one. False (the
// destination as it was) when the copy failed.
bool CopySettingsFile(const char* source, const char* destination);
// True when the file is not there afterwards (a file already gone too).
bool DeleteSettingsFile(const char* name);
