#include "dialogs/page_background_picture.h"

#include <stdio.h>
#include <string.h>

#include "memo/memo_store.h"
#include "platform/app_folder.h"
#include "platform/system_calls.h"
#include "settings/design_record.h"

// Pairs of description and pattern, each ending in a zero, the whole list
// in a second one. The first pair offers every kind GDI+ reads.
static const char kPictureFilters[] =
    "イメージファイル\0*.bmp;*.dib;*.gif;*.jpg;*.jpeg;*.jfif;*.png;*.tif;*.tiff;*.wmf;*.emf;*.ico\0"
    "BMPファイル(*.bmp, *.dib)\0*.bmp;*.dib\0"
    "GIFファイル(*.gif)\0*.gif\0"
    "JPEGファイル(*.jpg, *.jpeg, *.jfif)\0*.jpg;*.jpeg;*.jfif\0"
    "PNGファイル(*.png)\0*.png\0"
    "TIFFファイル(*.tif, *.tiff)\0*.tif;*.tiff\0"
    "メタファイル(*.wmf, *.emf)\0*.wmf;*.emf\0"
    "アイコンファイル(*.ico)\0*.ico\0";

static bool IsFile(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

static bool IsFolder(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ChooseBackgroundPicture(HWND page, char* path, size_t size)
{
    // The dialog writes into its buffer even when cancelled; the caller's
    // path changes only with a choice.
    char chosen[kPicturePathSize] = "";
    if (path[0] && IsFile(path)) {
        snprintf(chosen, sizeof chosen, "%s", path);
    }
    char images[kAppPathSize];
    const bool hasImages = BuildAppPath(kImageFolder, images, sizeof images) && IsFolder(images);

    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = page;
    open.lpstrFilter = kPictureFilters;
    open.nFilterIndex = 1;
    open.lpstrFile = chosen;
    open.nMaxFile = sizeof chosen;
    open.lpstrInitialDir = hasImages ? images : nullptr;
    open.lpstrTitle = kPictureDialogTitle;
    open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST;
    if (!System().openFileName(&open)) {
        return false;
    }
    const size_t length = strlen(chosen);
    if (length == 0 || length >= size) {
        return false;
    }
    memcpy(path, chosen, length + 1);
    return true;
}
