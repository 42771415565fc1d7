#include "settings/settings_startup.h"

#include "settings/settings_defaults.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "settings/window_position.h"

static const char* const kInvalidValueText = "初期化ファイルの値が不正です\n強制終了します";

// Compared unsigned, so that a negative stored value fails as well.
static bool ReadRegistryValue(const char* key, int32_t defaultValue, uint32_t* out)
{
    *out = (uint32_t)ReadSettingInt(kSettingsFile, "REGIST", key, defaultValue);
    return *out < kDesignNumberLimit;
}

static void ReportInvalidValue(HWND window, const char* keyName)
{
    MessageBoxA(window, kInvalidValueText, keyName, MB_OK | MB_ICONERROR);
}

bool LoadSettings(HWND window, DesignRecord* design, MemoDisplaySettings* memo, RegistryValues* registry)
{
    ReadFormatSection(kSettingsFile, design);
    ReadFontSection(kSettingsFile, design);
    LoadWindowPosition(window);
    ReadMemoSettings(memo);
    if (!ReadRegistryValue("SUM", kDefaultDesignCount, &registry->designCount)) {
        ReportInvalidValue(window, "REGIST_SUM");
        return false;
    }
    if (!ReadRegistryValue("CURRENT", kDefaultCurrentDesign, &registry->currentDesign)) {
        ReportInvalidValue(window, "REGIST_CURRENT");
        return false;
    }
    return true;
}

bool SaveSettings(HWND window, HBRUSH brush, DesignRecord design, MemoDisplaySettings memo,
                  RegistryValues registry)
{
    bool ok = WriteBrushSectionFromBrush(kSettingsFile, brush);
    ok = WriteFormatSection(kSettingsFile, design) && ok;
    ok = WriteFontSection(design, kSettingsFile) && ok;
    ok = WriteMemoSettings(memo.tooltipFontHeight, memo.editorFontHeight, memo.tooltipWidth) && ok;
    ok = WriteSettingInt(kSettingsFile, "REGIST", "SUM", (int32_t)registry.designCount) && ok;
    ok = WriteSettingInt(kSettingsFile, "REGIST", "CURRENT", (int32_t)registry.currentDesign) && ok;
    ok = WriteSettingInt(kSettingsFile, "REGIST", "CHANGE", (int32_t)registry.unregisteredChange) && ok;
    ok = SaveWindowPosition(window) && ok;
    return ok;
}
