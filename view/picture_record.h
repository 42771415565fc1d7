// What pelmo.bmp holds. Converting a photo costs far more than loading the
// BMP it gives, so a conversion is used again while pelmo.bmp still holds
// it. A small file beside it, pelmo.bmp.source, records the picture it was
// converted from (full path, size and write time), pelmo.bmp's own size
// and write time as written, and the size of the screen whose worth of a
// larger picture it keeps. It is a file of its own rather than keys of
// pelmo.ini, which temp.ini would copy and a deletion would drop; a
// program that knows nothing of it and rewrites pelmo.bmp changes its size
// or time, so that the record no longer matches.
#pragma once
#include <stddef.h>

#include "platform/file_stamp.h"

constexpr const char* kConversionRecordSuffix = ".source";

// The record's path: convertedFile with the suffix; false when too long.
bool ConversionRecordPath(const char* convertedFile, char* out, size_t size);

// True when the record beside convertedFile names source as the file is
// now, convertedFile is as it was when written and the screen has the same
// size. A record that is missing, cannot be read or is damaged matches
// nothing.
bool ConversionIsCurrent(const char* source, const char* convertedFile);

// Before convertedFile is written again: whatever it held is no longer
// known.
void ForgetConversion(const char* convertedFile);

// After source, as *before showed it when its conversion began, was
// converted into convertedFile. Nothing is recorded when the source changed
// meanwhile, or so shortly before that another change within the file
// system's time step could pass unseen: the next use converts again.
bool RecordConversion(const char* source, const FileStamp& before, const char* convertedFile);
