#include "settings/window_position.h"

#include "settings/settings_defaults.h"
#include "settings/settings_file.h"

RECT ChooseWindowRect(RECT stored, int screenWidth, int screenHeight)
{
    bool cornerOnScreen = stored.left >= 0 && stored.left < screenWidth - kScreenEdgeMargin &&
                          stored.top >= 0 && stored.top < screenHeight - kScreenEdgeMargin;
    // A borderless window of no width or height can neither be seen nor
    // grabbed to resize it, so such a rectangle is not kept either.
    bool hasArea = stored.right > stored.left && stored.bottom > stored.top;
    if (cornerOnScreen && hasArea) {
        return stored;
    }
    RECT fallback = {kDefaultWindowLeft, kDefaultWindowTop, kDefaultWindowLeft + kFallbackWindowWidth,
                     kDefaultWindowTop + kFallbackWindowHeight};
    return fallback;
}

void LoadWindowPosition(HWND window)
{
    RECT stored;
    stored.left = ReadSettingInt(kSettingsFile, "POSITION", "LEFT", kDefaultWindowLeft);
    stored.top = ReadSettingInt(kSettingsFile, "POSITION", "TOP", kDefaultWindowTop);
    stored.right = ReadSettingInt(kSettingsFile, "POSITION", "RIGHT", kDefaultWindowRight);
    stored.bottom = ReadSettingInt(kSettingsFile, "POSITION", "BOTTOM", kDefaultWindowBottom);
    RECT placed = ChooseWindowRect(stored, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // Showing first: a window's first showing resizes it once more, and each
    // resize repaints the whole calendar.
    ShowWindow(window, SW_SHOW);
    MoveWindow(window, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, TRUE);
}

bool SaveWindowPosition(HWND window)
{
    RECT rect;
    if (!GetWindowRect(window, &rect)) {
        return false;
    }
    bool ok = WriteSettingInt(kSettingsFile, "POSITION", "LEFT", rect.left);
    ok = WriteSettingInt(kSettingsFile, "POSITION", "TOP", rect.top) && ok;
    ok = WriteSettingInt(kSettingsFile, "POSITION", "RIGHT", rect.right) && ok;
    ok = WriteSettingInt(kSettingsFile, "POSITION", "BOTTOM", rect.bottom) && ok;
    return ok;
}
