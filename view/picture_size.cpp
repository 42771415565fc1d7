#include "view/picture_size.h"

#include <windows.h>
#include <string.h>

// A PNG's pixels, filtered and at one bit each, take at least an eighth of
// a byte; deflate packs at most 1032 bytes into one.
static const unsigned long long kPngPixelsPerByte = 8ull * 1032;
// Every 8 by 8 block of a JPEG's densest component costs at least one bit
// of Huffman code.
static const unsigned long long kJpegPixelsPerByte = 8ull * 64;
// An uncompressed BMP holds at least one bit per pixel.
static const unsigned long long kBmpPixelsPerByte = 8;
// Markers walked before a JPEG's frame: metadata, thumbnails and colour
// profiles take a few dozen at most.
static const int kMaxJpegSegments = 10000;
static const unsigned kTiffHeaderBytes = 8;
static const unsigned kTiffEntryBytes = 12;
static const unsigned kTiffWidthTag = 256;
static const unsigned kTiffHeightTag = 257;
static const unsigned kTiffShort = 3;
static const unsigned kTiffLong = 4;

PictureFit JudgePictureSize(const PictureSize& size)
{
    const unsigned long long pixels = (unsigned long long)size.width * size.height;
    if (size.width > kMaxPictureSide || size.height > kMaxPictureSide) {
        return PictureFit::TooLarge;
    }
    if (size.mostPixels != 0 && pixels > size.mostPixels) {
        return PictureFit::Damaged;
    }
    return pixels > kMaxPicturePixels ? PictureFit::TooLarge : PictureFit::Usable;
}

// A file, or a whole file's bytes, read at any offset: a JPEG's size may
// come after long metadata, a TIFF's anywhere in the file.
struct Source {
    HANDLE file;
    const unsigned char* bytes;   // when there is no file
    unsigned long long length;
};

static bool ReadAt(const Source& s, unsigned long long at, unsigned char* out, unsigned n)
{
    if (at > s.length || n > s.length - at) {
        return false;
    }
    if (!s.file) {
        memcpy(out, s.bytes + at, n);
        return true;
    }
    OVERLAPPED where = {};
    where.Offset = (DWORD)at;
    where.OffsetHigh = (DWORD)(at >> 32);
    DWORD got = 0;
    return ReadFile(s.file, out, n, &got, &where) && got == n;
}

static unsigned Little16(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}

static unsigned Little32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((unsigned)p[3] << 24);
}

static unsigned Big16(const unsigned char* p)
{
    return (p[0] << 8) | p[1];
}

static unsigned Big32(const unsigned char* p)
{
    return ((unsigned)p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

static unsigned Magnitude(unsigned value)
{
    const int signedValue = (int)value;   // negative: a top-down BMP
    return signedValue < 0 ? 0u - value : value;
}

static bool BmpSize(const Source& s, PictureSize* size)
{
    static const unsigned kInfoAt = 14;
    unsigned char b[kInfoAt + 20];
    if (!ReadAt(s, 0, b, kInfoAt + 12) || b[0] != 'B' || b[1] != 'M') {
        return false;
    }
    const unsigned headerSize = Little32(b + kInfoAt);
    if (headerSize == 12) {   // the old core header: 16-bit sizes, no compression
        *size = {Little16(b + kInfoAt + 4), Little16(b + kInfoAt + 6), kBmpPixelsPerByte * s.length};
        return true;
    }
    if (headerSize < 16) {
        return false;
    }
    const bool hasCompression = headerSize >= 20 && ReadAt(s, 0, b, kInfoAt + 20);
    const unsigned compression = hasCompression ? Little32(b + kInfoAt + 16) : BI_RGB;
    const bool plain = compression == BI_RGB || compression == BI_BITFIELDS;
    *size = {Magnitude(Little32(b + kInfoAt + 4)), Magnitude(Little32(b + kInfoAt + 8)),
             plain ? kBmpPixelsPerByte * s.length : 0};
    return true;
}

static bool PngSize(const Source& s, PictureSize* size)
{
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    unsigned char b[24];
    if (!ReadAt(s, 0, b, sizeof b) || memcmp(b, kSignature, sizeof kSignature) != 0 ||
        memcmp(b + 12, "IHDR", 4) != 0) {
        return false;
    }
    *size = {Big32(b + 16), Big32(b + 20), kPngPixelsPerByte * s.length};
    return true;
}

static bool GifSize(const Source& s, PictureSize* size)
{
    unsigned char b[10];
    if (!ReadAt(s, 0, b, sizeof b) || memcmp(b, "GIF8", 4) != 0) {
        return false;
    }
    *size = {Little16(b + 6), Little16(b + 8), 0};
    return true;
}

// Start-of-frame markers; the arithmetic-coded ones (C9 to CF) have no
// smallest cost per block.
static bool IsJpegFrame(unsigned char marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the markers up to the first start-of-frame, which holds the size.
static bool JpegSize(const Source& s, PictureSize* size)
{
    unsigned char b[9];
    if (!ReadAt(s, 0, b, 2) || b[0] != 0xFF || b[1] != 0xD8) {
        return false;
    }
    unsigned long long at = 2;
    for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
        if (!ReadAt(s, at, b, 4) || b[0] != 0xFF) {
            return false;
        }
        const unsigned char marker = b[1];
        if (marker == 0xFF) {   // fill byte
            ++at;
            continue;
        }
        if (IsJpegFrame(marker)) {
            if (!ReadAt(s, at, b, sizeof b)) {
                return false;
            }
            const bool huffman = marker <= 0xC7;
            *size = {Big16(b + 7), Big16(b + 5), huffman ? kJpegPixelsPerByte * s.length : 0};
            return true;
        }
        const unsigned length = Big16(b + 2);
        if (length < 2) {
            return false;
        }
        at += 2 + length;
    }
    return false;
}

// The width and the height tags of the first directory, in the file's own
// byte order.
static bool TiffSize(const Source& s, PictureSize* size)
{
    unsigned char b[kTiffEntryBytes];
    if (!ReadAt(s, 0, b, kTiffHeaderBytes)) {
        return false;
    }
    const bool little = memcmp(b, "II*\0", 4) == 0;
    if (!little && memcmp(b, "MM\0*", 4) != 0) {
        return false;
    }
    unsigned (*read16)(const unsigned char*) = little ? Little16 : Big16;
    unsigned (*read32)(const unsigned char*) = little ? Little32 : Big32;
    const unsigned long long directory = read32(b + 4);
    if (!ReadAt(s, directory, b, 2)) {
        return false;
    }
    const unsigned entries = read16(b);
    *size = {0, 0, 0};
    for (unsigned i = 0; i < entries && (size->width == 0 || size->height == 0); ++i) {
        if (!ReadAt(s, directory + 2 + (unsigned long long)kTiffEntryBytes * i, b, kTiffEntryBytes)) {
            return false;
        }
        const unsigned tag = read16(b);
        const unsigned type = read16(b + 2);
        if ((tag != kTiffWidthTag && tag != kTiffHeightTag) || (type != kTiffShort && type != kTiffLong)) {
            continue;
        }
        const unsigned value = type == kTiffShort ? read16(b + 8) : read32(b + 8);
        if (tag == kTiffWidthTag) {
            size->width = value;
        } else {
            size->height = value;
        }
    }
    return size->width != 0 && size->height != 0;
}

static bool SizeFrom(const Source& s, PictureSize* size)
{
    return BmpSize(s, size) || PngSize(s, size) || GifSize(s, size) || JpegSize(s, size) || TiffSize(s, size);
}

bool PictureSizeFromHeader(const unsigned char* bytes, unsigned length, PictureSize* size)
{
    Source s = {nullptr, bytes, length};
    return SizeFrom(s, size);
}

bool ReadPictureSize(const char* path, PictureSize* size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER length;
    bool known = false;
    if (GetFileSizeEx(file, &length)) {
        Source s = {file, nullptr, (unsigned long long)length.QuadPart};
        known = SizeFrom(s, size);
    }
    CloseHandle(file);
    return known;
}
