#include "view/picture_cache.h"

static size_t BitmapBytes(HBITMAP bitmap)
{
    BITMAP info;
    if (GetObjectA(bitmap, sizeof info, &info) != (int)sizeof info) {
        return 0;
    }
    return (size_t)info.bmWidthBytes * (size_t)info.bmHeight;
}

static void Drop(PictureCache* cache, size_t index)
{
    DeleteObject(cache->pictures[index].bitmap);
    cache->bytes -= cache->pictures[index].bytes;
    cache->pictures.erase(cache->pictures.begin() + (ptrdiff_t)index);
}

HBITMAP FindKeptPicture(PictureCache* cache, const char* source)
{
    for (size_t i = 0; i < cache->pictures.size(); ++i) {
        KeptPicture& kept = cache->pictures[i];
        if (kept.source != source) {
            continue;
        }
        FileStamp now;
        if (!ReadFileStamp(source, &now) || !SameFileStamp(now, kept.stamp)) {
            Drop(cache, i);
            return nullptr;
        }
        kept.lastUse = ++cache->uses;
        return kept.bitmap;
    }
    return nullptr;
}

static void DropLeastRecentlyUsed(PictureCache* cache)
{
    size_t oldest = 0;
    for (size_t i = 1; i < cache->pictures.size(); ++i) {
        if (cache->pictures[i].lastUse < cache->pictures[oldest].lastUse) {
            oldest = i;
        }
    }
    Drop(cache, oldest);
}

bool KeepPicture(PictureCache* cache, const char* source, const FileStamp& stamp, HBITMAP bitmap)
{
    const size_t bytes = BitmapBytes(bitmap);
    if (bytes == 0 || bytes > kPictureCacheLimit) {
        return false;
    }
    for (size_t i = 0; i < cache->pictures.size(); ++i) {
        if (cache->pictures[i].source == source) {
            Drop(cache, i);
            break;
        }
    }
    while (!cache->pictures.empty() && cache->bytes + bytes > kPictureCacheLimit) {
        DropLeastRecentlyUsed(cache);
    }
    cache->pictures.push_back(KeptPicture{source, stamp, bitmap, bytes, ++cache->uses});
    cache->bytes += bytes;
    return true;
}

void ReleaseKeptPictures(PictureCache* cache)
{
    for (const KeptPicture& kept : cache->pictures) {
        DeleteObject(kept.bitmap);
    }
    cache->pictures.clear();
    cache->bytes = 0;
}
