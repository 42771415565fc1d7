#include "dialogs/page_text_samples.h"

#include "res/resource.h"
#include "view/fonts.h"

static void SetSampleFont(HWND page, HFONT font)
{
    for (int id = IDC_TEXT_TITLE_SAMPLE; id <= IDC_TEXT_OTHER_SAMPLE; ++id) {
        SendDlgItemMessageA(page, id, WM_SETFONT, (WPARAM)font, TRUE);
    }
}

void ReplaceSampleFont(HWND page, const DesignRecord& design, HFONT* font)
{
    HFONT made = CreateCalendarFont(kStandardFontHeight, design);
    if (!made) {
        return;
    }
    SetSampleFont(page, made);
    if (*font) {
        DeleteObject(*font);
    }
    *font = made;
}

// A static control may keep a copy of the picture it is given instead of
// the picture itself; then both are ours to delete.
static void DeletePictures(HBITMAP replaced, HBITMAP given)
{
    if (replaced) {
        DeleteObject(replaced);
    }
    if (given && given != replaced) {
        DeleteObject(given);
    }
}

void ShowPartitionPreview(HWND page, int partition, HBITMAP* picture)
{
    HBITMAP loaded = (HBITMAP)LoadImageA(GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(IDB_PARTITION_NONE + partition), IMAGE_BITMAP, 0, 0,
                                         LR_DEFAULTCOLOR);
    HBITMAP replaced = (HBITMAP)SendDlgItemMessageA(page, IDC_TEXT_PARTITION_PREVIEW, STM_SETIMAGE,
                                                    IMAGE_BITMAP, (LPARAM)loaded);
    DeletePictures(replaced, *picture);
    *picture = loaded;
}

void ReleaseSamples(HWND page, HFONT* font, HBITMAP* picture)
{
    if (*font) {
        SetSampleFont(page, nullptr);
        DeleteObject(*font);
        *font = nullptr;
    }
    HBITMAP replaced = (HBITMAP)SendDlgItemMessageA(page, IDC_TEXT_PARTITION_PREVIEW, STM_SETIMAGE,
                                                    IMAGE_BITMAP, 0);
    DeletePictures(replaced, *picture);
    *picture = nullptr;
}
