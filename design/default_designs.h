// The picture designs that a distributed pelmo.ini carries as designs 4 to
// 7. Their pictures lie in Image beside the executable, wherever the user
// unpacked it, so their paths are written on the first start.
#pragma once

constexpr int kDefaultPictureDesigns = 4;

// Writes BGBRUSH_BITMAP of DESIGN004 to DESIGN007 in file: the executable's
// folder followed by Image\Wall.bmp, Metal.bmp, BlueCheck.bmp and
// GreenCheck.bmp, in that order. The sections are written whether or not
// the registry counts that many designs; nothing else of them is touched.
// Gives how many paths were written (a folder too deep for a path gives
// fewer), or -1 when the file could not be saved.
int PrepareDefaultDesigns(const char* file);
