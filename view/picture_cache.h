// Picture bitmaps kept while the design list is shown, so that flipping
// back to a picture design seen before takes no file at all: not its BMP,
// not its conversion, which pelmo.bmp may no longer hold. Each bitmap is
// kept with the stamp its file had when it was loaded and is used only
// while the file still has it. The least recently used go first beyond
// the limit; the owner releases them all when it no longer shows designs.
#pragma once
#include <windows.h>
#include <stddef.h>

#include <string>
#include <vector>

#include "platform/file_stamp.h"

// About eight screen-sized pictures.
constexpr size_t kPictureCacheLimit = 64u << 20;

struct KeptPicture {
    std::string source;   // the file chosen by the user, as the design names it
    FileStamp stamp;      // of that file when the bitmap was made from it
    HBITMAP bitmap;
    size_t bytes;
    unsigned lastUse;
};

struct PictureCache {
    std::vector<KeptPicture> pictures;
    size_t bytes;
    unsigned uses;
};

// The bitmap kept for source while the file is as it was then, or null; a
// bitmap of a file that has changed since is dropped. The cache keeps
// ownership.
HBITMAP FindKeptPicture(PictureCache* cache, const char* source);

// Gives the cache bitmap, made from source as stamp shows it. False when it
// is not kept (larger than the whole limit): the caller still owns it.
bool KeepPicture(PictureCache* cache, const char* source, const FileStamp& stamp, HBITMAP bitmap);

// Deletes every kept bitmap.
void ReleaseKeptPictures(PictureCache* cache);
