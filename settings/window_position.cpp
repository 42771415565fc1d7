#include "settings/window_position.h"

#include <stdint.h>

#include "settings/settings_defaults.h"
#include "settings/settings_file.h"

static LONG Clamp(int64_t value, int32_t least, int32_t most)
{
    return (LONG)(value < least ? least : value > most ? most : value);
}

static bool CornerOnMonitor(const RECT& stored, const RECT& monitor)
{
    return stored.left >= monitor.left && stored.left < monitor.right - kScreenEdgeMargin &&
           stored.top >= monitor.top && stored.top < monitor.bottom - kScreenEdgeMargin;
}

WindowSizeLimits WindowSizeLimitsFor(int primaryWidth, int primaryHeight)
{
    WindowSizeLimits limits = {{kMinWindowWidth, kMinWindowHeight}, {primaryWidth, primaryHeight}};
    // A screen smaller than the smallest window still gets the smallest.
    limits.most.cx = limits.most.cx > limits.least.cx ? limits.most.cx : limits.least.cx;
    limits.most.cy = limits.most.cy > limits.least.cy ? limits.most.cy : limits.least.cy;
    return limits;
}

RECT ChooseWindowRect(RECT stored, const ScreenLayout& screens)
{
    bool cornerOnScreen = false;
    for (int i = 0; i < screens.count && i < kMaxScreens && !cornerOnScreen; ++i) {
        cornerOnScreen = CornerOnMonitor(stored, screens.monitors[i]);
    }
    if (!cornerOnScreen) {
        RECT fallback = {kDefaultWindowLeft, kDefaultWindowTop, kDefaultWindowLeft + kFallbackWindowWidth,
                         kDefaultWindowTop + kFallbackWindowHeight};
        return fallback;
    }
    // A size no window can have (too small to read, larger than the picture
    // the calendar is painted into) is the nearest usable one; the place the
    // user chose is kept.
    const WindowSizeLimits limits = WindowSizeLimitsFor(screens.primaryWidth, screens.primaryHeight);
    RECT placed = stored;
    placed.right = stored.left + Clamp((int64_t)stored.right - stored.left, limits.least.cx, limits.most.cx);
    placed.bottom = stored.top + Clamp((int64_t)stored.bottom - stored.top, limits.least.cy, limits.most.cy);
    return placed;
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
