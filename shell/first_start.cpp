#include "shell/first_start.h"

#include "settings/settings_file.h"

static const char kShellLinkSection[] = "SHELLLINK";
static const char kStartupKey[] = "STARTUP";
static const char kStartMenuKey[] = "STARTMENU";
static const char kDesktopKey[] = "DESKTOP";
static const char kRegistSection[] = "REGIST";
static const char kChangeKey[] = "CHANGE";
// A pelmo.ini without a STARTUP key was shipped, not written by us.
static const int32_t kShippedSettingsMark = 100;

static int32_t s_startupLink;
static int32_t s_startMenuLink;
static int32_t s_desktopLink;

// The shortcut dialog and the default picture designs come with their own
// work; the decision already runs them at their place.
static void ShowShortcutDialog(HWND) {}
static void PrepareDefaultDesigns(HWND) {}

uint32_t DecideFirstStart(HWND window)
{
    if (!SettingsFileExists()) {
        s_startupLink = s_startMenuLink = s_desktopLink = 0;
        ShowShortcutDialog(window);
        return 1;
    }
    if (ReadSettingInt(kSettingsFile, kShellLinkSection, kStartupKey, kShippedSettingsMark) ==
        kShippedSettingsMark) {
        PrepareDefaultDesigns(window);
        return 0;
    }
    LoadShortcutFlags();
    return (uint32_t)ReadSettingInt(kSettingsFile, kRegistSection, kChangeKey, 0);
}

void LoadShortcutFlags()
{
    s_startupLink = ReadSettingInt(kSettingsFile, kShellLinkSection, kStartupKey, 0);
    s_startMenuLink = ReadSettingInt(kSettingsFile, kShellLinkSection, kStartMenuKey, 0);
    s_desktopLink = ReadSettingInt(kSettingsFile, kShellLinkSection, kDesktopKey, 0);
}

void SaveShortcutFlags()
{
    WriteSettingInt(kSettingsFile, kShellLinkSection, kStartupKey, s_startupLink);
    WriteSettingInt(kSettingsFile, kShellLinkSection, kStartMenuKey, s_startMenuLink);
    WriteSettingInt(kSettingsFile, kShellLinkSection, kDesktopKey, s_desktopLink);
}
