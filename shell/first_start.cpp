#include "shell/first_start.h"

#include "design/default_designs.h"
#include "settings/settings_file.h"
#include "shell/shortcut_dialog.h"

static const char kShellLinkSection[] = "SHELLLINK";
static const char kStartupKey[] = "STARTUP";
static const char kStartMenuKey[] = "STARTMENU";
static const char kDesktopKey[] = "DESKTOP";
static const char kRegistSection[] = "REGIST";
static const char kChangeKey[] = "CHANGE";
// A pelmo.ini without a STARTUP key was shipped, not written by us; every
// exit writes the key.
static const int32_t kShippedSettingsMark = 100;

static ShortcutFlags s_flags;
static bool s_notSaved;

static void AskForShortcuts(HWND window)
{
    s_flags = ShortcutFlags{};
    ShowShortcutDialog(window, &s_flags);
}

uint32_t DecideFirstStart(HWND window)
{
    if (!SettingsFileExists(kSettingsFile)) {
        AskForShortcuts(window);
        return 1;
    }
    if (ReadSettingInt(kSettingsFile, kShellLinkSection, kStartupKey, kShippedSettingsMark) ==
        kShippedSettingsMark) {
        AskForShortcuts(window);
        s_notSaved = PrepareDefaultDesigns(kSettingsFile) < 0;
        return 0;
    }
    LoadShortcutFlags();
    return (uint32_t)ReadSettingInt(kSettingsFile, kRegistSection, kChangeKey, 0);
}

void LoadShortcutFlags()
{
    s_flags.startup = ReadSettingInt(kSettingsFile, kShellLinkSection, kStartupKey, 0);
    s_flags.startMenu = ReadSettingInt(kSettingsFile, kShellLinkSection, kStartMenuKey, 0);
    s_flags.desktop = ReadSettingInt(kSettingsFile, kShellLinkSection, kDesktopKey, 0);
}

void WriteShortcutFlags(SettingsEdit* edit)
{
    SetSettingInt(edit, kShellLinkSection, kStartupKey, s_flags.startup);
    SetSettingInt(edit, kShellLinkSection, kStartMenuKey, s_flags.startMenu);
    SetSettingInt(edit, kShellLinkSection, kDesktopKey, s_flags.desktop);
}

bool FirstStartNotSaved()
{
    const bool notSaved = s_notSaved;
    s_notSaved = false;
    return notSaved;
}
