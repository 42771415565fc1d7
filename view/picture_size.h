// The pixel size of a picture read from its header alone, so that a huge
// picture can be refused before anything decodes it.
#pragma once

struct PictureSize {
    unsigned width;
    unsigned height;
};

// True for a BMP/DIB, PNG, GIF or JPEG file whose header gives its size;
// false for any other file, a damaged header or a file that cannot be read.
bool ReadPictureSize(const char* path, PictureSize* size);

// The same for the first bytes of a file.
bool PictureSizeFromHeader(const unsigned char* bytes, unsigned length, PictureSize* size);
