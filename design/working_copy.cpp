#include "design/working_copy.h"

#include <windows.h>
#include <string.h>
#include <vector>

#include "platform/app_folder.h"
#include "settings/design_keys.h"
#include "design/design_registry.h"
#include "settings/settings_copy.h"
#include "settings/settings_defaults.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"

// AUTOCHANGE as the start-up reads it: on a deletion an absent key must not
// turn an hourly or random choice into "none".
static const int32_t kCopiedTiming = 100;
static const int32_t kCopiedOrder = 300;
// The profile API reports a full buffer by returning its size less 2; the
// buffer grows until the list fits, up to this size.
static const DWORD kFirstListSize = 4096;
static const DWORD kLargestListSize = 1u << 22;
// One design at a time on its way into copy.ini, as its section DESIGN001.
static const char kStagingFile[] = "copy.ini.design";
static const char kStagingSection[] = "DESIGN001";

static bool WriteDesignLook(const char* file, const char* section, const DesignLook& look)
{
    const BrushTriple& brush = look.background.brush;
    bool ok = WriteDesignBrush(section, file, brush.style, brush.color, brush.hatch);
    ok = WriteSettingInt(file, section, kDesignTransparentKey, look.transparent) && ok;
    ok = WriteSettingString(file, section, kDesignOrgFileKey, look.background.orgFile) && ok;
    ok = WriteSettingString(file, section, kDesignBitmapKey, look.background.bitmap) && ok;
    ok = WriteSettingInt(file, section, kDesignTodayColorKey, (int32_t)look.cellColors.today) && ok;
    ok = WriteSettingInt(file, section, kDesignMarkedTodayKey, (int32_t)look.cellColors.markedToday) && ok;
    return WriteSettingInt(file, section, kDesignMarkedColorKey, (int32_t)look.cellColors.marked) && ok;
}

bool CopyDesign(uint32_t destination, uint32_t source, const char* file)
{
    char from[kDesignSectionSize];
    char to[kDesignSectionSize];
    if (!DesignSectionName(source, from, sizeof from) || !DesignSectionName(destination, to, sizeof to)) {
        return false;
    }
    const DesignLook look = ReadDesignLook(kWorkingFile, from);
    DesignRecord record = {};
    ReadDesignSection(kWorkingFile, &record, from);
    bool ok = WriteDesignLook(file, to, look);
    return WriteDesignSection(record, to, file) && ok;
}

// The working look of a file: the brush with its paths, transparency and
// cell colours, each absent key read as its working default.
static DesignLook ReadWorkingLook(const char* file)
{
    DesignLook look = {};
    look.background = ReadBackground(file);
    look.transparent = ReadSettingInt(file, "BGBRUSH", "TRANSPARENT", kDefaultTransparent);
    look.cellColors = ReadCellColors(file);
    return look;
}

static DesignRecord ReadWorkingRecord(const char* file)
{
    DesignRecord record = {};
    ReadFormatSection(file, &record);
    ReadFontSection(file, &record);
    return record;
}

bool StoreWorkingAsDesign(uint32_t number)
{
    char section[kDesignSectionSize];
    if (!DesignSectionName(number, section, sizeof section)) {
        return false;
    }
    bool ok = WriteDesignLook(kWorkingFile, section, ReadWorkingLook(kWorkingFile));
    return WriteDesignSection(ReadWorkingRecord(kWorkingFile), section, kWorkingFile) && ok;
}

// The working sections of one file written into another, key by key, so
// that every key is present afterwards.
static bool CopyWorkingSections(const char* from, const char* to)
{
    const DesignLook look = ReadWorkingLook(from);
    const DesignRecord record = ReadWorkingRecord(from);
    const BrushTriple& brush = look.background.brush;
    bool ok = WriteBrushSection(to, brush.style, brush.color, brush.hatch);
    ok = WriteFormatSection(to, record) && ok;
    ok = WriteFontSection(record, to) && ok;
    ok = WriteSettingInt(to, "BGBRUSH", "TRANSPARENT", look.transparent) && ok;
    ok = WriteSettingString(to, "BGBRUSH", "ORGFILE", look.background.orgFile) && ok;
    ok = WriteSettingString(to, "BGBRUSH", "BITMAP", look.background.bitmap) && ok;
    ok = WriteSettingInt(to, "TODAY", "COLOR", (int32_t)look.cellColors.today) && ok;
    ok = WriteSettingInt(to, "MARKED", "TODAYCOLOR", (int32_t)look.cellColors.markedToday) && ok;
    return WriteSettingInt(to, "MARKED", "COLOR", (int32_t)look.cellColors.marked) && ok;
}

// "DESIGN" and three digits, in any case, as the profile API matches names.
static bool IsDesignSection(const char* name)
{
    if (strlen(name) != 9 || CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name, 6, "DESIGN", 6) != CSTR_EQUAL) {
        return false;
    }
    for (int i = 6; i < 9; ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return false;
        }
    }
    return true;
}

// The registry values and the automatic change choices are rebuilt by the
// deletion itself; everything else belongs to no design.
static bool IsRebuiltSection(const char* name)
{
    return IsDesignSection(name) || lstrcmpiA(name, "REGIST") == 0 || lstrcmpiA(name, "AUTOCHANGE") == 0;
}

// A double-null-terminated list from the profile API, grown until whole.
// Empty (a single terminator pair) when there is nothing or it never fit.
template <typename Reader>
static std::vector<char> ReadProfileList(Reader read)
{
    for (DWORD size = kFirstListSize; size <= kLargestListSize; size *= 2) {
        std::vector<char> list(size, '\0');
        DWORD length = read(list.data(), size);
        if (length + 2 < size) {
            return list;
        }
    }
    return std::vector<char>(2, '\0');
}

static bool CarrySectionAs(const char* fromPath, const char* fromName, const char* toPath, const char* toName)
{
    std::vector<char> keys = ReadProfileList([&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionA(fromName, buffer, size, fromPath);
    });
    return WritePrivateProfileSectionA(toName, keys.data(), toPath) != FALSE;
}

static bool CarrySection(const char* fromPath, const char* toPath, const char* name)
{
    return CarrySectionAs(fromPath, name, toPath, name);
}

// Copies whole every section of from that a deletion does not rebuild.
static bool CarryUnrelatedSections(const char* from, const char* to)
{
    char fromPath[kAppPathSize];
    char toPath[kAppPathSize];
    if (!SettingsPath(from, fromPath, sizeof fromPath) || !SettingsPath(to, toPath, sizeof toPath)) {
        return false;
    }
    std::vector<char> names = ReadProfileList([&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesA(buffer, size, fromPath);
    });
    bool ok = true;
    for (const char* name = names.data(); *name; name += strlen(name) + 1) {
        if (!IsRebuiltSection(name)) {
            ok = CarrySection(fromPath, toPath, name) && ok;
        }
    }
    return ok;
}

static bool RemoveSection(const char* file, const char* name)
{
    char path[kAppPathSize];
    return SettingsPath(file, path, sizeof path) && WritePrivateProfileStringA(name, nullptr, nullptr, path);
}

static bool RemoveDesignSections(const char* file)
{
    char path[kAppPathSize];
    if (!SettingsPath(file, path, sizeof path)) {
        return false;
    }
    std::vector<char> names = ReadProfileList([&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesA(buffer, size, path);
    });
    bool ok = true;
    for (const char* name = names.data(); *name; name += strlen(name) + 1) {
        if (IsDesignSection(name)) {
            ok = RemoveSection(file, name) && ok;
        }
    }
    return ok;
}

static int32_t LessOneOrZero(int32_t value)
{
    return value > 0 ? value - 1 : 0;
}

static bool WriteRebuiltRegistry(const char* from, const char* to)
{
    const int32_t count = ReadSettingInt(from, "REGIST", "SUM", 0);
    const int32_t current = ReadSettingInt(from, "REGIST", "CURRENT", 0);
    bool ok = WriteSettingInt(to, "REGIST", "SUM", LessOneOrZero(count));
    ok = WriteSettingInt(to, "REGIST", "CURRENT", LessOneOrZero(current)) && ok;
    ok = WriteSettingInt(to, "REGIST", "CHANGE", 0) && ok;
    ok = WriteSettingInt(to, "AUTOCHANGE", "CHANGE", ReadSettingInt(from, "AUTOCHANGE", "CHANGE", 0)) && ok;
    ok = WriteSettingInt(to, "AUTOCHANGE", "TIMING", ReadSettingInt(from, "AUTOCHANGE", "TIMING", kCopiedTiming)) && ok;
    return WriteSettingInt(to, "AUTOCHANGE", "ORDER", ReadSettingInt(from, "AUTOCHANGE", "ORDER", kCopiedOrder)) && ok;
}

// The profile API rewrites the whole file at every key it writes, so 25
// writes per design into a growing copy.ini make a deletion quadratic in
// the number of designs. Each design is therefore written key by key into
// a small file of its own and moved into copy.ini in one write.
static bool CopyDesignToScratch(uint32_t destination, uint32_t source, const char* stagingPath,
                                const char* scratchPath)
{
    char section[kDesignSectionSize];
    if (!DesignSectionName(destination, section, sizeof section) || !CopyDesign(1, source, kStagingFile)) {
        return false;
    }
    return CarrySectionAs(stagingPath, kStagingSection, scratchPath, section);
}

static bool CopyRemainingDesigns(uint32_t number, uint32_t count)
{
    char stagingPath[kAppPathSize];
    char scratchPath[kAppPathSize];
    if (!SettingsPath(kStagingFile, stagingPath, sizeof stagingPath) ||
        !SettingsPath(kScratchFile, scratchPath, sizeof scratchPath) || !DeleteSettingsFile(kStagingFile)) {
        return false;
    }
    bool ok = true;
    for (uint32_t k = 1; k < count; ++k) {
        ok = CopyDesignToScratch(k, k < number ? k : k + 1, stagingPath, scratchPath) && ok;
    }
    DeleteSettingsFile(kStagingFile);
    return ok;
}

// copy.ini starts empty: a leftover of an interrupted deletion would bring
// its stale designs back into temp.ini. temp.ini is replaced only by a
// complete rebuild, so a failed deletion leaves the list as it was.
bool DeleteDesign(uint32_t number, uint32_t* count)
{
    const uint32_t listed = *count < kMaxDesigns ? *count : kMaxDesigns;
    if (number == 0 || number > listed || !DeleteSettingsFile(kScratchFile)) {
        return false;
    }
    bool ok = CarryUnrelatedSections(kWorkingFile, kScratchFile);
    ok = CopyWorkingSections(kWorkingFile, kScratchFile) && ok;
    ok = WriteRebuiltRegistry(kWorkingFile, kScratchFile) && ok;
    ok = CopyRemainingDesigns(number, listed) && ok;
    ok = ok && CopySettingsFile(kScratchFile, kWorkingFile);
    if (ok) {
        *count = listed - 1;
    }
    DeleteSettingsFile(kScratchFile);
    return ok;
}

// Designs that no count names (a damaged SUM, a leftover) would otherwise
// come back as soon as designs are registered again.
bool ResetWorkingCopy()
{
    bool ok = RemoveDesignSections(kWorkingFile);
    ok = CopyWorkingSections(kSettingsFile, kWorkingFile) && ok;
    ok = WriteSettingInt(kWorkingFile, "REGIST", "SUM", 0) && ok;
    ok = WriteSettingInt(kWorkingFile, "REGIST", "CURRENT", 0) && ok;
    ok = WriteSettingInt(kWorkingFile, "REGIST", "CHANGE", 1) && ok;
    ok = WriteSettingInt(kWorkingFile, "AUTOCHANGE", "CHANGE", 0) && ok;
    ok = WriteSettingInt(kWorkingFile, "AUTOCHANGE", "TIMING", 0) && ok;
    return WriteSettingInt(kWorkingFile, "AUTOCHANGE", "ORDER", 0) && ok;
}
