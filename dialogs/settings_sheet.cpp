#include "dialogs/settings_sheet.h"

#include <commctrl.h>

#include "dialogs/page_background.h"
#include "dialogs/page_font.h"
#include "dialogs/page_memo.h"
#include "dialogs/page_text.h"
#include "res/resource.h"

static const char kSheetCaption[] = "設定 － 『ポルカミナ』";
static const int kPages = 4;

bool RunSettingsSheet(HWND owner, SheetTarget* target)
{
    // In tab order.
    PROPSHEETPAGEA pages[kPages] = {BackgroundPage(target), FontPage(target), TextPage(target),
                                    MemoPage(target)};
    HPROPSHEETPAGE handles[kPages] = {};
    for (int i = 0; i < kPages; ++i) {
        handles[i] = CreatePropertySheetPageA(&pages[i]);
        if (!handles[i]) {
            for (int j = 0; j < i; ++j) {
                DestroyPropertySheetPage(handles[j]);
            }
            return false;
        }
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_USEHICON | PSH_NOAPPLYNOW;
    header.hwndParent = owner;
    header.hInstance = GetModuleHandleA(nullptr);
    header.hIcon = (HICON)LoadImageA(header.hInstance, MAKEINTRESOURCEA(IDI_PELMO), IMAGE_ICON, 0, 0,
                                     LR_DEFAULTSIZE | LR_SHARED);
    header.pszCaption = kSheetCaption;
    header.nPages = kPages;
    header.nStartPage = 0;
    header.phpage = handles;
    return PropertySheetA(&header) > 0;
}
