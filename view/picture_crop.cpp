#include "view/picture_crop.h"

#include "view/gdiplus_session.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

static const ARGB kOpaqueWhite = 0xFFFFFFFF;

SIZE VisiblePictureSize(unsigned width, unsigned height)
{
    const unsigned screenWidth = (unsigned)GetSystemMetrics(SM_CXSCREEN);
    const unsigned screenHeight = (unsigned)GetSystemMetrics(SM_CYSCREEN);
    SIZE visible = {(LONG)(width < screenWidth ? width : screenWidth),
                    (LONG)(height < screenHeight ? height : screenHeight)};
    return visible;
}

HBITMAP LoadWholeBitmap(const char* bmpPath, bool* larger)
{
    *larger = false;
    PictureSize size;
    if (!ReadPictureSize(bmpPath, &size) || JudgePictureSize(size) != PictureFit::Usable) {
        return nullptr;
    }
    const SIZE visible = VisiblePictureSize(size.width, size.height);
    if ((unsigned)visible.cx != size.width || (unsigned)visible.cy != size.height) {
        *larger = true;
        return nullptr;
    }
    return (HBITMAP)LoadImageA(nullptr, bmpPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
}

// A metafile has no pixels of its own: its visible part is drawn, on white,
// from the top-left corner of its bounds.
static GpStatus DrawVisiblePart(GpImage* image, SIZE visible, GpBitmap** part)
{
    GpRectF bounds;
    GpUnit unit;
    GpStatus status = GdipGetImageBounds(image, &bounds, &unit);
    if (status == Ok) {
        status = GdipCreateBitmapFromScan0(visible.cx, visible.cy, 0, PixelFormat24bppRGB, nullptr, part);
    }
    if (status != Ok) {
        return status;
    }
    GpGraphics* graphics = nullptr;
    status = GdipGetImageGraphicsContext(*part, &graphics);
    if (status == Ok) {
        GdipGraphicsClear(graphics, kOpaqueWhite);
        status = GdipDrawImageRectRect(graphics, image, 0, 0, (REAL)visible.cx, (REAL)visible.cy, bounds.X,
                                       bounds.Y, (REAL)visible.cx, (REAL)visible.cy, unit, nullptr, nullptr,
                                       nullptr);
        GdipDeleteGraphics(graphics);
    }
    if (status != Ok) {
        GdipDisposeImage(*part);
        *part = nullptr;
    }
    return status;
}

PictureDecode DecodeVisiblePart(const wchar_t* source, GpBitmap** part)
{
    *part = nullptr;
    GpImage* image = nullptr;
    if (!StartGdiplusOnce() || GdipLoadImageFromFile(source, &image) != Ok || !image) {
        return PictureDecode::Failed;
    }
    UINT width = 0;
    UINT height = 0;
    ImageType type = ImageTypeUnknown;
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
    GdipGetImageType(image, &type);
    // Kinds whose size no header told are judged once they are decoded.
    const PictureSize size = {width, height, 0};
    if (JudgePictureSize(size) != PictureFit::Usable) {
        GdipDisposeImage(image);
        return PictureDecode::TooLarge;
    }
    const SIZE visible = VisiblePictureSize(width, height);
    // A copy of the pixels themselves, converted to 24 bits: exactly what
    // the brush would have shown of the whole picture.
    GpStatus status = type == ImageTypeBitmap
                          ? GdipCloneBitmapAreaI(0, 0, visible.cx, visible.cy, PixelFormat24bppRGB,
                                                 (GpBitmap*)image, part)
                          : DrawVisiblePart(image, visible, part);
    GdipDisposeImage(image);
    return status == Ok && *part ? PictureDecode::Done : PictureDecode::Failed;
}

HBITMAP LoadVisiblePart(const wchar_t* source)
{
    GpBitmap* part = nullptr;
    if (DecodeVisiblePart(source, &part) != PictureDecode::Done) {
        return nullptr;
    }
    HBITMAP bitmap = nullptr;
    if (GdipCreateHBITMAPFromBitmap(part, &bitmap, kOpaqueWhite) != Ok) {
        bitmap = nullptr;
    }
    GdipDisposeImage(part);
    return bitmap;
}
