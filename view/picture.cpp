#include "view/picture.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include <gdiplus.h>

#include "platform/system_calls.h"
#include "view/brush_slot.h"
#include "view/gdiplus_session.h"
#include "view/picture_crop.h"
#include "view/picture_read_ahead.h"
#include "view/picture_record.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

static unsigned s_conversions;

static void ShowPictureError(const char* text, const char* caption)
{
    System().messageBox(nullptr, text, caption, MB_OK | MB_ICONERROR);
}

int FindImageEncoder(const wchar_t* mime, CLSID* clsid)
{
    UINT count = 0;
    UINT bytes = 0;
    if (!StartGdiplusOnce() || GdipGetImageEncodersSize(&count, &bytes) != Ok || bytes == 0) {
        return -1;
    }
    ImageCodecInfo* codecs = static_cast<ImageCodecInfo*>(malloc(bytes));
    if (!codecs) {
        return -1;
    }
    int found = -1;
    if (GdipGetImageEncoders(count, bytes, codecs) == Ok) {
        for (UINT i = 0; i < count; ++i) {
            if (codecs[i].MimeType && wcscmp(codecs[i].MimeType, mime) == 0) {
                *clsid = codecs[i].Clsid;
                found = static_cast<int>(i);
                break;
            }
        }
    }
    free(codecs);
    return found;
}

int FindBmpEncoder(CLSID* clsid)
{
    return FindImageEncoder(L"image/bmp", clsid);
}

PictureDecode ConvertPictureToBmp(const wchar_t* destination, const wchar_t* source)
{
    GpBitmap* part = nullptr;
    const PictureDecode decoded = DecodeVisiblePart(source, &part);
    if (decoded != PictureDecode::Done) {
        return decoded;
    }
    CLSID bmp;
    bool saved = FindBmpEncoder(&bmp) >= 0 && GdipSaveImageToFile(part, destination, &bmp, nullptr) == Ok;
    GdipDisposeImage(part);
    return saved ? PictureDecode::Done : PictureDecode::Failed;
}

static bool ToWide(const char* text, wchar_t* out, int size)
{
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, -1, out, size) > 0;
}

// What no real picture is, and what could not be decoded within a bounded
// memory, is refused from its header, before anything decodes it.
static bool RefuseFromHeader(const char* source)
{
    PictureSize size;
    if (!ReadPictureSize(source, &size)) {
        return false;   // a kind without a known header: judged once decoded
    }
    switch (JudgePictureSize(size)) {
    case PictureFit::TooLarge:
        ShowPictureError(kPictureTooLargeText, source);
        return true;
    case PictureFit::Damaged:
        ShowPictureError(kPictureDamagedText, source);
        return true;
    case PictureFit::Usable:
        break;
    }
    return false;
}

unsigned PictureConversionCount()
{
    return s_conversions;
}

static bool ConvertChosenPicture(const char* source, const char* convertedFile)
{
    ++s_conversions;
    wchar_t wideSource[MAX_PATH + 1];
    wchar_t wideDestination[MAX_PATH + 1];
    PictureDecode converted = PictureDecode::Failed;
    if (ToWide(source, wideSource, MAX_PATH + 1) && ToWide(convertedFile, wideDestination, MAX_PATH + 1)) {
        converted = ConvertPictureToBmp(wideDestination, wideSource);
    }
    if (converted != PictureDecode::Done) {
        ShowPictureError(converted == PictureDecode::TooLarge ? kPictureTooLargeText
                                                              : kPictureConversionFailedText,
                         source);
    }
    return converted == PictureDecode::Done;
}

// Converts source into convertedFile and records it. What pelmo.bmp held
// is forgotten first: a conversion cut short must not pass for it.
static bool ConvertAndRecord(const char* source, const char* convertedFile)
{
    FinishPictureReadAhead();   // it may be reading convertedFile
    FileStamp before;
    const bool stamped = ReadFileStamp(source, &before);
    ForgetConversion(convertedFile);
    if (!ConvertChosenPicture(source, convertedFile)) {
        return false;
    }
    if (stamped) {
        RecordConversion(source, before, convertedFile);
    }
    return true;
}

// PreparePictureFile, telling in *reused that pelmo.bmp held the
// conversion already. Such a source was judged when it was converted, and
// is the same file still: its header is not read again.
static bool Prepare(const char* source, const char* convertedFile, char* load, size_t size, bool* reused)
{
    *reused = false;
    if (size > 0) {
        load[0] = '\0';
    }
    if (strcmp(source, convertedFile) == 0) {
        ShowPictureError(kPictureRefusedText, kConvertedPictureName);
        return false;
    }
    const char* chosen = IsBitmapFileName(source) ? source : convertedFile;
    int n = snprintf(load, size, "%s", chosen);
    if (n < 0 || (size_t)n >= size) {
        load[0] = '\0';
        ShowPictureError(kPictureConversionFailedText, source);
        return false;
    }
    if (chosen != source && ConversionIsCurrent(source, convertedFile)) {
        *reused = true;
        return true;
    }
    if (RefuseFromHeader(source) || (chosen != source && !ConvertAndRecord(source, convertedFile))) {
        load[0] = '\0';
        return false;
    }
    return true;
}

bool PreparePictureFile(const char* source, const char* convertedFile, char* load, size_t size)
{
    bool reused = false;
    return Prepare(source, convertedFile, load, size, &reused);
}

// Of a BMP larger than the screen only the part that can be seen is kept,
// as of a converted picture: the rest would hold memory for pixels that
// never show.
HBITMAP LoadPictureBitmap(const char* bmpPath)
{
    bool larger = false;
    HBITMAP bitmap = LoadWholeBitmap(bmpPath, &larger);
    if (!larger) {
        return bitmap;
    }
    wchar_t wide[MAX_PATH + 1];
    return ToWide(bmpPath, wide, MAX_PATH + 1) ? LoadVisiblePart(wide) : nullptr;
}

// The brush keeps its own copy of the bitmap, which goes unless the cache
// keeps it.
static HBRUSH PatternBrushOf(HBITMAP bitmap, bool kept)
{
    if (!bitmap) {
        return nullptr;
    }
    HBRUSH brush = CreatePatternBrush(bitmap);
    if (!kept) {
        DeleteObject(bitmap);
    }
    return brush;
}

// The stamp is read before the file is: a change while it loads shows at
// the next look.
static bool Offer(PictureCache* cache, const char* source, bool stamped, const FileStamp& stamp,
                  HBITMAP bitmap)
{
    return cache && stamped && bitmap && KeepPicture(cache, source, stamp, bitmap);
}

HBRUSH LoadPictureBrush(const char* bmpPath, PictureCache* cache)
{
    HBITMAP bitmap = cache ? FindKeptPicture(cache, bmpPath) : nullptr;
    bool kept = bitmap != nullptr;
    if (!kept) {
        FileStamp stamp;
        const bool stamped = ReadFileStamp(bmpPath, &stamp);
        bitmap = LoadPictureBitmap(bmpPath);
        kept = Offer(cache, bmpPath, stamped, stamp, bitmap);
    }
    return PatternBrushOf(bitmap, kept);
}

// A conversion that pelmo.bmp held by its record but that will not load
// (damaged, locked, replaced since) is made again once.
HBITMAP LoadChosenPicture(const char* source, const char* convertedFile, char* load, size_t size)
{
    bool reused = false;
    if (!Prepare(source, convertedFile, load, size, &reused)) {
        return nullptr;
    }
    HBITMAP bitmap = LoadPictureBitmap(load);
    if (!bitmap && reused) {
        if (RefuseFromHeader(source) || !ConvertAndRecord(source, convertedFile)) {
            return nullptr;
        }
        bitmap = LoadPictureBitmap(load);
    }
    if (!bitmap) {
        ShowPictureError(kPictureConversionFailedText, source);
    }
    return bitmap;
}

static bool FileExists(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A stored BMP is loaded as it is; a stored picture of another kind is
// taken from pelmo.bmp, converted again unless it holds it, as at start-up.
// A file that has gone (a removed drive) is no error worth a message: the
// page just shows the plain background.
static HBITMAP LoadStoredPicture(const BackgroundRecord& stored, const char* convertedFile)
{
    if (NamesFile(stored.bitmap)) {
        return FileExists(stored.bitmap) ? LoadPictureBitmap(stored.bitmap) : nullptr;
    }
    if (!NamesFile(stored.orgFile) || !FileExists(stored.orgFile)) {
        return nullptr;
    }
    char load[kPicturePathSize];
    return LoadChosenPicture(stored.orgFile, convertedFile, load, sizeof load);
}

bool LoadPatternPicture(LOGBRUSH* brush, const BackgroundRecord& stored, const char* convertedFile,
                        HBITMAP* picture, char* selected, size_t selectedSize)
{
    if (selectedSize > 0) {
        selected[0] = '\0';
    }
    *picture = nullptr;
    if (brush->lbStyle == BS_SOLID || brush->lbStyle == BS_HATCHED) {
        return false;
    }
    HBITMAP bitmap = LoadStoredPicture(stored, convertedFile);
    if (!bitmap) {
        return false;
    }
    // The user chose the original picture, never pelmo.bmp: the open dialog
    // starts from it, and pelmo.bmp itself would be refused there.
    const char* chosen = NamesFile(stored.bitmap) ? stored.bitmap : stored.orgFile;
    int n = snprintf(selected, selectedSize, "%s", chosen);
    if (n < 0 || (size_t)n >= selectedSize) {
        if (selectedSize > 0) {
            selected[0] = '\0';
        }
    }
    brush->lbStyle = BS_PATTERN;
    brush->lbHatch = (ULONG_PTR)bitmap;
    *picture = bitmap;
    return true;
}

bool ApplyPictureBrush(HDC surface, const char* source, const char* convertedFile, HBRUSH* slot,
                       BackgroundRecord* background, PictureCache* cache)
{
    char load[kPicturePathSize];
    HBITMAP bitmap = cache ? FindKeptPicture(cache, source) : nullptr;
    bool kept = bitmap != nullptr;
    if (kept) {
        snprintf(load, sizeof load, "%s", IsBitmapFileName(source) ? source : convertedFile);
    } else {
        FileStamp stamp;
        const bool stamped = ReadFileStamp(source, &stamp);
        bitmap = LoadChosenPicture(source, convertedFile, load, sizeof load);
        if (!bitmap) {
            return false;
        }
        kept = Offer(cache, source, stamped, stamp, bitmap);
    }
    HBRUSH brush = PatternBrushOf(bitmap, kept);
    if (!brush) {
        ShowPictureError(kPictureConversionFailedText, source);
        return false;
    }
    InstallBrush(surface, slot, brush);

    BackgroundRecord record = {};
    record.brush = {BS_PATTERN, 0, 0};
    LOGBRUSH made;
    if (GetObjectA(brush, sizeof made, &made) == (int)sizeof made) {
        record.brush.color = made.lbColor;
    }
    // A path that holds the converted file's name is recorded as a picture
    // to convert, even one chosen elsewhere under that name.
    const bool converted = strstr(load, kConvertedPictureName) != nullptr;
    snprintf(record.bitmap, sizeof record.bitmap, "%s", converted ? kNoKeyValue : source);
    snprintf(record.orgFile, sizeof record.orgFile, "%s", converted ? source : kNoKeyValue);
    *background = record;
    return true;
}
