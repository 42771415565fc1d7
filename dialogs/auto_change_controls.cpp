#include "dialogs/auto_change_controls.h"

#include "design/auto_change_rules.h"
#include "res/resource.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"

static const char kSection[] = "AUTOCHANGE";

static bool Checked(HWND list, int id)
{
    return IsDlgButtonChecked(list, id) == BST_CHECKED;
}

static void Check(HWND list, int id, bool on)
{
    CheckDlgButton(list, id, on ? BST_CHECKED : BST_UNCHECKED);
}

static void Enable(HWND list, int id, bool on)
{
    EnableWindow(GetDlgItem(list, id), on ? TRUE : FALSE);
}

// "At start-up", "hourly" and the two orders.
static void EnableChoices(HWND list, bool on)
{
    for (int id = IDC_AUTO_AT_STARTUP; id <= IDC_AUTO_RANDOM; ++id) {
        Enable(list, id, on);
    }
}

void LoadAutoChangeControls(const char* file, const char* settingsFile, HWND list)
{
    if (ReadSettingInt(settingsFile, kSection, "CHANGE", 0) != 0) {
        Check(list, IDC_AUTO_CHANGE, true);
        Enable(list, IDC_AUTO_CHANGE, true);
        EnableChoices(list, true);
        const int32_t timing = ReadSettingInt(file, kSection, "TIMING", 0);
        Check(list, IDC_AUTO_AT_STARTUP, timing == kTimingBoth || timing == kTimingAtStartup);
        Check(list, IDC_AUTO_HOURLY, timing == kTimingBoth || timing == kTimingHourly);
        const bool listOrder = ReadSettingInt(file, kSection, "ORDER", 0) == kOrderList;
        Check(list, IDC_AUTO_LIST_ORDER, listOrder);
        Check(list, IDC_AUTO_RANDOM, !listOrder);
    } else {
        Check(list, IDC_AUTO_CHANGE, false);
        EnableChoices(list, false);
        Enable(list, IDC_AUTO_CHANGE, ReadSettingInt(file, "REGIST", "SUM", 0) >= 2);
    }
}

void OnAutoChangeClick(HWND list, int id)
{
    switch (id) {
    case IDC_AUTO_CHANGE:
        if (Checked(list, IDC_AUTO_CHANGE)) {
            EnableChoices(list, true);
            if (!Checked(list, IDC_AUTO_HOURLY)) {
                Check(list, IDC_AUTO_AT_STARTUP, true);
            }
            if (!Checked(list, IDC_AUTO_RANDOM)) {
                Check(list, IDC_AUTO_LIST_ORDER, true);
            }
        } else {
            EnableChoices(list, false);
        }
        break;
    case IDC_AUTO_AT_STARTUP:
    case IDC_AUTO_HOURLY:
        if (!Checked(list, IDC_AUTO_AT_STARTUP) && !Checked(list, IDC_AUTO_HOURLY)) {
            Check(list, id == IDC_AUTO_AT_STARTUP ? IDC_AUTO_HOURLY : IDC_AUTO_AT_STARTUP, true);
        }
        break;
    }
}

bool SaveAutoChangeControls(const char* file, HWND list, uint32_t count)
{
    SettingsEdit edit;
    if (!BeginSettingsEdit(file, &edit)) {
        return false;
    }
    if (!Checked(list, IDC_AUTO_CHANGE) || count < 2) {
        SetSettingInt(&edit, kSection, "CHANGE", 0);
        return CommitSettingsEdit(&edit);
    }
    const bool atStartup = Checked(list, IDC_AUTO_AT_STARTUP);
    const bool hourly = Checked(list, IDC_AUTO_HOURLY);
    const int32_t timing = atStartup && hourly ? kTimingBoth : atStartup ? kTimingAtStartup : kTimingHourly;
    const int32_t order = Checked(list, IDC_AUTO_LIST_ORDER) ? kOrderList : kOrderRandom;
    SetSettingInt(&edit, kSection, "CHANGE", 1);
    SetSettingInt(&edit, kSection, "TIMING", timing);
    SetSettingInt(&edit, kSection, "ORDER", order);
    return CommitSettingsEdit(&edit);
}

void EnableAutoChangeControls(HWND list, uint32_t count)
{
    const bool several = count >= 2;
    Enable(list, IDC_AUTO_CHANGE, several);
    EnableChoices(list, several && Checked(list, IDC_AUTO_CHANGE));
}
