#include "view/picture_size.h"

#include <windows.h>
#include <string.h>

// Enough for every header below except a JPEG's, whose size marker may come
// after thumbnails and metadata: those are searched further in.
static const unsigned kHeaderBytes = 64 * 1024;

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

static bool BmpSize(const unsigned char* b, unsigned n, PictureSize* size)
{
    static const unsigned kInfoAt = 14;
    if (n < kInfoAt + 12 || b[0] != 'B' || b[1] != 'M') {
        return false;
    }
    const unsigned headerSize = Little32(b + kInfoAt);
    if (headerSize == 12) {   // the old core header: 16-bit sizes
        size->width = Little16(b + kInfoAt + 4);
        size->height = Little16(b + kInfoAt + 6);
        return true;
    }
    if (n < kInfoAt + 12 || headerSize < 16) {
        return false;
    }
    const int width = (int)Little32(b + kInfoAt + 4);
    const int height = (int)Little32(b + kInfoAt + 8);   // negative: top-down
    size->width = width < 0 ? 0u - (unsigned)width : (unsigned)width;
    size->height = height < 0 ? 0u - (unsigned)height : (unsigned)height;
    return true;
}

static bool PngSize(const unsigned char* b, unsigned n, PictureSize* size)
{
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (n < 24 || memcmp(b, kSignature, sizeof kSignature) != 0 || memcmp(b + 12, "IHDR", 4) != 0) {
        return false;
    }
    size->width = Big32(b + 16);
    size->height = Big32(b + 20);
    return true;
}

static bool GifSize(const unsigned char* b, unsigned n, PictureSize* size)
{
    if (n < 10 || memcmp(b, "GIF8", 4) != 0) {
        return false;
    }
    size->width = Little16(b + 6);
    size->height = Little16(b + 8);
    return true;
}

// Walks the markers up to the first start-of-frame, which holds the size.
static bool JpegSize(const unsigned char* b, unsigned n, PictureSize* size)
{
    if (n < 4 || b[0] != 0xFF || b[1] != 0xD8) {
        return false;
    }
    unsigned at = 2;
    while (at + 9 <= n) {
        if (b[at] != 0xFF) {
            return false;
        }
        const unsigned char marker = b[at + 1];
        if (marker == 0xFF) {   // fill byte
            ++at;
            continue;
        }
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                           marker != 0xCC;
        if (frame) {
            size->height = Big16(b + at + 5);
            size->width = Big16(b + at + 7);
            return true;
        }
        at += 2 + Big16(b + at + 2);
    }
    return false;
}

bool PictureSizeFromHeader(const unsigned char* bytes, unsigned length, PictureSize* size)
{
    return BmpSize(bytes, length, size) || PngSize(bytes, length, size) ||
           GifSize(bytes, length, size) || JpegSize(bytes, length, size);
}

bool ReadPictureSize(const char* path, PictureSize* size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    unsigned char* bytes = (unsigned char*)HeapAlloc(GetProcessHeap(), 0, kHeaderBytes);
    DWORD got = 0;
    bool read = bytes && ReadFile(file, bytes, kHeaderBytes, &got, nullptr);
    CloseHandle(file);
    bool known = read && PictureSizeFromHeader(bytes, got, size);
    if (bytes) {
        HeapFree(GetProcessHeap(), 0, bytes);
    }
    return known;
}
