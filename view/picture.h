// Pictures as the calendar's background. A BMP (or DIB) file is loaded as
// it is; a picture of any other kind that GDI+ reads is converted into the
// one BMP file beside the program (pelmo.bmp), unless pelmo.bmp holds its
// conversion already (view/picture_record.h). The brush tiles the picture
// at its own size, without scaling; of a picture larger than the screen
// only the part that can ever show is kept.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "settings/design_record.h"
#include "view/picture_cache.h"
#include "view/picture_size.h"

constexpr const char* kConvertedPictureName = "pelmo.bmp";

constexpr const char* kPictureRefusedText = "このファイルは使えません";
constexpr const char* kPictureConversionFailedText = "ビットマップファイルの作成に失敗しました";
// What no real picture is, or what could not be decoded within a bounded
// memory (the limits are in view/picture_size.h).
constexpr const char* kPictureTooLargeText = "画像が大きすぎるため、背景にできません\n"
                                             "(縦横 65535 ピクセル、1 億 2000 万画素まで)";
constexpr const char* kPictureDamagedText = "画像ファイルが壊れているため、背景にできません\n"
                                            "(画像の大きさがファイルの長さに合いません)";

// Index of the image encoder for the MIME type (exact, case-sensitive) with
// its class id in *clsid; -1 when there is none. FindBmpEncoder asks for
// "image/bmp".
int FindImageEncoder(const wchar_t* mime, CLSID* clsid);
int FindBmpEncoder(CLSID* clsid);

// Reads the source picture and writes the part of it that the calendar can
// ever show (view/picture_crop.h) as a 24-bit BMP file at destination.
PictureDecode ConvertPictureToBmp(const wchar_t* destination, const wchar_t* source);

// How many times a picture was converted into pelmo.bmp (tests count them).
unsigned PictureConversionCount();

// The BMP file to load for source into load: the source itself for .bmp
// and .dib, else convertedFile (the full path of pelmo.bmp) after
// converting the source into it, unless it holds that conversion already.
// False after a message box: the source is convertedFile itself, it is too
// large or damaged, or it cannot be converted.
bool PreparePictureFile(const char* source, const char* convertedFile, char* load, size_t size);

// The bitmap of the BMP file at its own size, or of its visible part when
// it is larger than the screen; null when it cannot be loaded, is too large
// or damaged. The caller deletes it.
HBITMAP LoadPictureBitmap(const char* bmpPath);

// A pattern brush of the BMP file; null when it cannot be loaded or is too
// large. With a cache, its bitmap is taken from there, or kept there once
// loaded.
HBRUSH LoadPictureBrush(const char* bmpPath, PictureCache* cache = nullptr);

// A picture the user has just chosen: PreparePictureFile, then the bitmap
// of the file it gives in load; a conversion held by pelmo.bmp that will
// not load is made again. Null after a message when the picture cannot be
// used.
HBITMAP LoadChosenPicture(const char* source, const char* convertedFile, char* load, size_t size);

// The picture of the background in force, for the settings sheet. When
// brush describes a picture (any style but solid and hatched), loads the
// stored picture: stored.bitmap as it is, else stored.orgFile converted
// again into convertedFile. On success brush becomes a pattern whose lbHatch
// is the bitmap, also given in *picture (the caller deletes it), and
// selected holds the path of the picture the user chose. False, with
// selected empty and brush untouched, when there is no picture to load; a
// file that is gone fails quietly, one that cannot be converted after its
// message.
bool LoadPatternPicture(LOGBRUSH* brush, const BackgroundRecord& stored, const char* convertedFile,
                        HBITMAP* picture, char* selected, size_t selectedSize);

// Makes the picture source the background: the new brush replaces the one
// in *slot (deleted) and is selected into surface, and *background is set
// to what the settings file is to record of it. convertedFile is the full
// path of pelmo.bmp. False, with nothing changed, when the picture cannot
// be used (a message has told why). With a cache, the picture's bitmap is
// taken from there, or kept there once loaded.
bool ApplyPictureBrush(HDC surface, const char* source, const char* convertedFile, HBRUSH* slot,
                       BackgroundRecord* background, PictureCache* cache = nullptr);
