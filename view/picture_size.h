// The pixel size of a picture read from its header alone, so that what no
// real picture is, or what could not be decoded within a bounded memory,
// is refused before anything decodes it.
#pragma once

// The longest side that a picture header can claim: no format the calendar
// reads holds more in a real picture (a JPEG cannot even say more).
constexpr unsigned kMaxPictureSide = 65535;
// The most pixels decoded at once. A 100-megapixel camera's photo passes;
// decoding takes about twice its 24-bit pixels in memory for a moment.
constexpr unsigned long long kMaxPicturePixels = 120000000ull;

struct PictureSize {
    unsigned width;
    unsigned height;
    // The most pixels the file's length can describe in its format's
    // densest coding; 0 where the format sets no such bound (a GIF's canvas
    // may be larger than its frames, a run-length BMP may skip pixels).
    unsigned long long mostPixels;
};

enum class PictureFit { Usable, TooLarge, Damaged };

// How decoding a picture ended: TooLarge for a picture whose size, told by
// no header, passes the limits once decoded.
enum class PictureDecode { Done, TooLarge, Failed };

// Usable: each side and the pixel count within the limits above. TooLarge:
// a side or the count passes them. Damaged: the header claims more pixels
// than the file could hold.
PictureFit JudgePictureSize(const PictureSize& size);

// True for a BMP/DIB, PNG, GIF, JPEG or TIFF file whose header gives its
// size; false for any other file, a damaged header or a file that cannot be
// read.
bool ReadPictureSize(const char* path, PictureSize* size);

// The same for a whole file's bytes.
bool PictureSizeFromHeader(const unsigned char* bytes, unsigned length, PictureSize* size);
