#include "settings/settings_startup.h"

#include "settings/settings_defaults.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "settings/window_position.h"

static const char* const kInvalidValueText = "初期化ファイルの値が不正です\n強制終了します";

// Compared unsigned, so that a negative stored value fails as well.
static bool ReadRegistryValue(const ProfileSection& regist, const char* key, int32_t defaultValue,
                              uint32_t* out)
{
    *out = (uint32_t)ProfileInt(regist, key, defaultValue);
    return *out < kDesignNumberLimit;
}

static void ReportInvalidValue(HWND window, const char* keyName)
{
    MessageBoxA(window, kInvalidValueText, keyName, MB_OK | MB_ICONERROR);
}

bool LoadSettings(const char* file, HWND window, DesignRecord* design, MemoDisplaySettings* memo,
                  RegistryValues* registry)
{
    ReadFormatSection(file, design);
    ReadFontSection(file, design);
    LoadWindowPosition(file, window);
    ReadMemoSettings(file, memo);
    const ProfileSection regist = ReadSettingsSection(file, "REGIST");
    if (!ReadRegistryValue(regist, "SUM", kDefaultDesignCount, &registry->designCount)) {
        ReportInvalidValue(window, "REGIST_SUM");
        return false;
    }
    if (!ReadRegistryValue(regist, "CURRENT", kDefaultCurrentDesign, &registry->currentDesign)) {
        ReportInvalidValue(window, "REGIST_CURRENT");
        return false;
    }
    return true;
}

void SaveSettings(SettingsEdit* edit, HWND window, HBRUSH brush, const DesignRecord& design,
                  MemoDisplaySettings memo, RegistryValues registry)
{
    WriteBrushSectionFromBrush(edit, brush);
    WriteFormatSection(edit, design);
    WriteFontSection(edit, design);
    WriteMemoSettings(edit, memo);
    SetSettingInt(edit, "REGIST", "SUM", (int32_t)registry.designCount);
    SetSettingInt(edit, "REGIST", "CURRENT", (int32_t)registry.currentDesign);
    SetSettingInt(edit, "REGIST", "CHANGE", (int32_t)registry.unregisteredChange);
    SaveWindowPosition(edit, window);
}
