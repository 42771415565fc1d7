#include "settings/window_position.h"

#include <stdint.h>

#include "settings/settings_defaults.h"
#include "settings/settings_file.h"

// A window too small shows no readable number and is hard to grab; one
// larger than the primary screen reaches past the picture the calendar is
// painted into.
static bool UsableSize(const RECT& stored, int screenWidth, int screenHeight)
{
    const int64_t width = (int64_t)stored.right - stored.left;
    const int64_t height = (int64_t)stored.bottom - stored.top;
    return width >= kMinWindowWidth && height >= kMinWindowHeight && width <= screenWidth &&
           height <= screenHeight;
}

static bool CornerOnMonitor(const RECT& stored, const RECT& monitor)
{
    return stored.left >= monitor.left && stored.left < monitor.right - kScreenEdgeMargin &&
           stored.top >= monitor.top && stored.top < monitor.bottom - kScreenEdgeMargin;
}

RECT ChooseWindowRect(RECT stored, const ScreenLayout& screens)
{
    bool cornerOnScreen = false;
    for (int i = 0; i < screens.count && i < kMaxScreens && !cornerOnScreen; ++i) {
        cornerOnScreen = CornerOnMonitor(stored, screens.monitors[i]);
    }
    if (cornerOnScreen && UsableSize(stored, screens.primaryWidth, screens.primaryHeight)) {
        return stored;
    }
    RECT fallback = {kDefaultWindowLeft, kDefaultWindowTop, kDefaultWindowLeft + kFallbackWindowWidth,
                     kDefaultWindowTop + kFallbackWindowHeight};
    return fallback;
}

static BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM param)
{
    ScreenLayout* screens = (ScreenLayout*)param;
    if (screens->count >= kMaxScreens) {
        return FALSE;
    }
    screens->monitors[screens->count++] = *area;
    return TRUE;
}

ScreenLayout CurrentScreens()
{
    ScreenLayout screens = {};
    screens.primaryWidth = GetSystemMetrics(SM_CXSCREEN);
    screens.primaryHeight = GetSystemMetrics(SM_CYSCREEN);
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, (LPARAM)&screens);
    if (screens.count == 0) {
        screens.monitors[0] = {0, 0, screens.primaryWidth, screens.primaryHeight};
        screens.count = 1;
    }
    return screens;
}

void LoadWindowPosition(const char* file, HWND window)
{
    const ProfileSection position = ReadSettingsSection(file, "POSITION");
    RECT stored;
    stored.left = ProfileInt(position, "LEFT", kDefaultWindowLeft);
    stored.top = ProfileInt(position, "TOP", kDefaultWindowTop);
    stored.right = ProfileInt(position, "RIGHT", kDefaultWindowRight);
    stored.bottom = ProfileInt(position, "BOTTOM", kDefaultWindowBottom);
    RECT placed = ChooseWindowRect(stored, CurrentScreens());
    // Showing first: a window's first showing resizes it once more, and each
    // resize repaints the whole calendar.
    ShowWindow(window, SW_SHOW);
    MoveWindow(window, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, TRUE);
}

bool SaveWindowPosition(SettingsEdit* edit, HWND window)
{
    RECT rect;
    if (!GetWindowRect(window, &rect)) {
        return false;
    }
    SetSettingInt(edit, "POSITION", "LEFT", rect.left);
    SetSettingInt(edit, "POSITION", "TOP", rect.top);
    SetSettingInt(edit, "POSITION", "RIGHT", rect.right);
    SetSettingInt(edit, "POSITION", "BOTTOM", rect.bottom);
    return true;
}
