#include "settings/window_position.h"

#include <stdint.h>

#include "settings/settings_defaults.h"
#include "settings/settings_file.h"

// A window too small shows no readable number and is hard to grab; one
// larger than the screen reaches past the picture the calendar is painted
// into, and past every edge.
static bool UsableSize(const RECT& stored, int screenWidth, int screenHeight)
{
    const int64_t width = (int64_t)stored.right - stored.left;
    const int64_t height = (int64_t)stored.bottom - stored.top;
    return width >= kMinWindowWidth && height >= kMinWindowHeight && width <= screenWidth &&
           height <= screenHeight;
}

RECT ChooseWindowRect(RECT stored, int screenWidth, int screenHeight)
{
    bool cornerOnScreen = stored.left >= 0 && stored.left < screenWidth - kScreenEdgeMargin &&
                          stored.top >= 0 && stored.top < screenHeight - kScreenEdgeMargin;
    if (cornerOnScreen && UsableSize(stored, screenWidth, screenHeight)) {
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
