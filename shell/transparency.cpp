#include "shell/transparency.h"

#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "shell/tray.h"

void MakeTransparent(HWND window)
{
    SetTrayAlways(true);
    SetWindowLongPtrA(window, GWL_EXSTYLE, WS_EX_LAYERED);
    const COLORREF key = (COLORREF)ReadSettingInt(kSettingsFile, "BGBRUSH", "COLOR",
                                                  (int32_t)GetSysColor(COLOR_BTNFACE));
    SetLayeredWindowAttributes(window, key, 0, LWA_COLORKEY);
}

void ApplyTransparencyIfSet(HWND window)
{
    SetTrayAlways(false);
    if (ReadTransparent(kSettingsFile)) {
        MakeTransparent(window);
    }
}

void ApplyTransparencySetting(HWND window)
{
    if (ReadTransparent(kSettingsFile)) {
        // A hidden calendar has its icon already.
        if (!TrayAlways() && IsWindowVisible(window)) {
            AddTrayIcon();
        }
        MakeTransparent(window);   // also takes a changed colour
    } else {
        SetTrayAlways(false);
        RemoveTrayIcon();
        SetWindowLongPtrA(window, GWL_EXSTYLE, WS_EX_ACCEPTFILES);
    }
    if (!IsWindowVisible(window)) {
        ShowWindow(window, SW_RESTORE);
    }
}
