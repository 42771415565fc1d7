#include "shell/shortcut_dialog.h"

#include <shlobj.h>
#include <stdio.h>

#include "res/resource.h"
#include "platform/app_instance.h"
#include "shell/shortcuts.h"

static const char kFailureText[] = "次の場所にショートカットを作成できませんでした。\n\n";
static const char kFailureCaption[] = "ショートカット設定";

// Room for a place's name and its line end.
static const size_t kPlaceNameSize = 32;

struct ShortcutPlace {
    int checkBox;
    int folderId;
    const char* name;   // as its check box says
    int32_t ShortcutFlags::*flag;
};

// In the order OK handles them.
static const ShortcutPlace kPlaces[] = {
    {IDC_SHORTCUT_STARTUP, CSIDL_STARTUP, "スタートアップ", &ShortcutFlags::startup},
    {IDC_SHORTCUT_DESKTOP, CSIDL_DESKTOP, "デスクトップ", &ShortcutFlags::desktop},
    {IDC_SHORTCUT_PROGRAMS, CSIDL_PROGRAMS, "スタートメニュー", &ShortcutFlags::startMenu},
};

static ShortcutFlags* s_flags;

static void CentreOnDesktop(HWND dialog)
{
    RECT desktop;
    RECT own;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(dialog, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(dialog, nullptr, (desktop.right - desktop.left - width) / 2,
                 (desktop.bottom - desktop.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static void OnInitDialog(HWND dialog, ShortcutFlags* flags)
{
    s_flags = flags;
    CentreOnDesktop(dialog);
    ShowWindow(dialog, SW_SHOW);
    for (const ShortcutPlace& place : kPlaces) {
        CheckDlgButton(dialog, place.checkBox, flags->*place.flag == 1 ? BST_CHECKED : BST_UNCHECKED);
    }
}

// A ticked place keeps its flag even when its shortcut could not be made:
// the flags record the choice. The user is told which places to see to.
static void OnOk(HWND dialog)
{
    const HWND owner = GetWindow(dialog, GW_OWNER);
    char failed[sizeof kFailureText + sizeof kPlaces / sizeof kPlaces[0] * kPlaceNameSize] = "";
    int used = snprintf(failed, sizeof failed, "%s", kFailureText);
    const int lead = used;
    for (const ShortcutPlace& place : kPlaces) {
        const bool ticked = IsDlgButtonChecked(dialog, place.checkBox) == BST_CHECKED;
        s_flags->*place.flag = ticked ? 1 : 0;
        if (ticked && !CreateShortcut(owner, place.folderId)) {
            int n = snprintf(failed + used, sizeof failed - (size_t)used, "%s\n", place.name);
            used += n > 0 && (size_t)n < sizeof failed - (size_t)used ? n : 0;
        }
    }
    if (used > lead) {
        MessageBoxA(dialog, failed, kFailureCaption, MB_OK | MB_ICONWARNING);
    }
    EndDialog(dialog, IDOK);
}

static void OnCancel(HWND dialog)
{
    *s_flags = ShortcutFlags{};
    EndDialog(dialog, IDCANCEL);
}

static INT_PTR CALLBACK ShortcutDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, (ShortcutFlags*)lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOk(dialog);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel(dialog);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

bool ShowShortcutDialog(HWND owner, ShortcutFlags* flags)
{
    ShortcutFlags asked = *flags;
    INT_PTR answer = DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(IDD_SHORTCUTS), owner, ShortcutDialog,
                                     (LPARAM)&asked);
    s_flags = nullptr;
    if (answer != IDOK && answer != IDCANCEL) {
        return false;
    }
    *flags = asked;
    return true;
}
