// GDI+ is started the first time a picture needs it rather than with the
// program: a calendar on a plain colour, a hatch, a BMP or a picture
// converted earlier never loads it, and its start does not wait for it.
#pragma once

// True when GDI+ runs, started now if it was not.
bool StartGdiplusOnce();

// At the program's end, only when it was started.
void ShutdownGdiplusIfStarted();

// Whether anything started it (the start-up's tests ask).
bool GdiplusWasStarted();
