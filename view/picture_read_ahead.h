// The background picture read ahead. A start on a picture spends most of
// its extra time loading the picture's BMP (a photo-sized one is megabytes
// of pixels to read and convert to the screen's format), while the start
// itself mostly waits on the window system as it makes its windows. So the
// start reads the picture and makes its brush on a thread of its own
// meanwhile, and the calendar takes that brush when it makes its own. Only
// a picture that needs no conversion is read ahead: a BMP chosen as it is,
// or pelmo.bmp while it holds its conversion; the thread shows no message
// and starts no GDI+, and whatever it cannot do plainly is left to the
// calendar.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "settings/design_record.h"

// True when path names a BMP or DIB file, which is loaded as it is.
bool IsBitmapFileName(const char* path);

// Starts reading the BMP file that background would load, if it is a
// picture that needs no conversion. At most one read ahead at a time; a
// second start before the first is discarded is ignored.
void StartPictureReadAhead(const BackgroundRecord& background, const char* convertedFile);

// Waits until the reading has ended (at once when none was started).
// Called before anything may rewrite the file being read.
void FinishPictureReadAhead();

// The pattern brush read ahead for background, handed over once and
// deleted by the caller; null when none was read for the file background
// loads now, or that file has changed since (its size or write time).
HBRUSH TakeReadAheadBrush(const BackgroundRecord& background, const char* convertedFile);

// Deletes a brush read ahead that nobody took.
void DiscardPictureReadAhead();
