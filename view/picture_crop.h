// The part of a picture that the calendar can ever show. The brush tiles a
// picture from the window's corner, and the window is never larger than the
// primary screen (the picture it is painted into has that size): of a
// larger picture only the top-left part of the screen's size is ever seen.
// Keeping only that part makes a panorama or a large photo a background
// that looks exactly as the whole picture would, at a bounded cost.
#pragma once
#include <windows.h>
#include <gdiplus.h>

#include "view/picture_size.h"

// The part of a picture of width by height pixels that can ever be seen.
SIZE VisiblePictureSize(unsigned width, unsigned height);

// The bitmap of the BMP file at bmpPath as it is, when all of it can be
// seen; null when it cannot be loaded, is too large or damaged, or (with
// *larger set) is larger than the screen, so that only its visible part
// is to be kept.
HBITMAP LoadWholeBitmap(const char* bmpPath, bool* larger);

// Decodes the picture at source (any kind GDI+ reads) and keeps its visible
// part as 24-bit pixels in *part, which the caller disposes of. TooLarge
// when the decoded picture passes the size limits of view/picture_size.h
// (for a kind whose header gives no size); Failed when it cannot be read.
PictureDecode DecodeVisiblePart(const wchar_t* source, Gdiplus::GpBitmap** part);

// The visible part of the picture at source as a bitmap the caller
// deletes; null when it cannot be read or is too large.
HBITMAP LoadVisiblePart(const wchar_t* source);
