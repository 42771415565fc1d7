#include "design/working_copy.h"

#include <stdio.h>

#include <string>

#include "design/design_registry.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"

// AUTOCHANGE as the start-up reads it: on a deletion an absent key must not
// turn an hourly or random choice into "none".
static const int32_t kCopiedTiming = 100;
static const int32_t kCopiedOrder = 300;

// "DESIGN" and three digits, in any case, as the profile API matches names.
static bool DesignNumberOf(const std::string& name, uint32_t* number)
{
    if (name.size() != 9 || !SameProfileName(name.substr(0, 6), "DESIGN")) {
        return false;
    }
    uint32_t value = 0;
    for (size_t i = 6; i < 9; ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return false;
        }
        value = value * 10 + (uint32_t)(name[i] - '0');
    }
    *number = value;
    return value != 0;
}

static std::string SectionOf(uint32_t number)
{
    char section[kDesignSectionSize];
    DesignSectionName(number, section, sizeof section);
    return section;
}

// Every section of the two designs changes its name, so the designs trade
// places with all their keys and lines as they stand.
bool SwapDesigns(const char* file, uint32_t number, int step, uint32_t count)
{
    const uint32_t other = number + (uint32_t)step;
    SettingsEdit edit;
    if ((step != -1 && step != 1) || number == 0 || number > count || other == 0 || other > count ||
        count > kMaxDesigns || !BeginSettingsEdit(file, &edit)) {
        return false;
    }
    const std::string first = SectionOf(number);
    const std::string second = SectionOf(other);
    for (ProfileBlock& block : edit.document.blocks) {
        uint32_t n = 0;
        if (!block.header.empty() && DesignNumberOf(block.name, &n) && (n == number || n == other)) {
            RenameProfileBlock(&block, n == number ? second : first);
        }
    }
    MarkSettingsChanged(&edit);
    return CommitSettingsEdit(&edit);
}

// The deleted design's sections go; those of the designs after it, up to
// the count, take the number before theirs. The rest keep their names.
static void Renumber(ProfileDocument* document, uint32_t number, uint32_t count)
{
    std::vector<ProfileBlock> kept;
    for (ProfileBlock& block : document->blocks) {
        uint32_t n = 0;
        const bool listed = !block.header.empty() && DesignNumberOf(block.name, &n) && n <= count;
        if (listed && n == number) {
            continue;
        }
        if (listed && n > number) {
            RenameProfileBlock(&block, SectionOf(n - 1));
        }
        kept.push_back(std::move(block));
    }
    document->blocks = std::move(kept);
}

static int32_t LessOneOrZero(int32_t value)
{
    return value > 0 ? value - 1 : 0;
}

static void RebuildRegistry(SettingsEdit* edit)
{
    const ProfileSection regist = EditedSection(*edit, "REGIST");
    const ProfileSection autoChange = EditedSection(*edit, "AUTOCHANGE");
    SetSettingInt(edit, "REGIST", "SUM", LessOneOrZero(ProfileInt(regist, "SUM", 0)));
    SetSettingInt(edit, "REGIST", "CURRENT", LessOneOrZero(ProfileInt(regist, "CURRENT", 0)));
    SetSettingInt(edit, "REGIST", "CHANGE", 0);
    SetSettingInt(edit, "AUTOCHANGE", "CHANGE", ProfileInt(autoChange, "CHANGE", 0));
    SetSettingInt(edit, "AUTOCHANGE", "TIMING", ProfileInt(autoChange, "TIMING", kCopiedTiming));
    SetSettingInt(edit, "AUTOCHANGE", "ORDER", ProfileInt(autoChange, "ORDER", kCopiedOrder));
}

// The designs still listed get every key they lack with its default, as a
// design copied key by key always had them.
static void CompleteDesigns(SettingsEdit* edit, uint32_t count)
{
    for (ProfileBlock& block : edit->document.blocks) {
        uint32_t n = 0;
        if (block.header.empty() || !DesignNumberOf(block.name, &n) || n > count) {
            continue;
        }
        SettingsEdit one;
        one.file = edit->file;
        one.changed = false;
        one.document.blocks.push_back(block);
        WriteWholeDesign(&one, block.name.c_str(), DesignFromSection(block.keys));
        if (one.changed) {
            block = one.document.blocks.front();
        }
    }
}

bool DeleteDesign(const char* file, uint32_t number, uint32_t* count)
{
    const uint32_t listed = *count < kMaxDesigns ? *count : kMaxDesigns;
    SettingsEdit edit;
    if (number == 0 || number > listed || !BeginSettingsEdit(file, &edit)) {
        return false;
    }
    WriteWorkingDesign(&edit, EditedWorkingDesign(edit));
    RebuildRegistry(&edit);
    Renumber(&edit.document, number, listed);
    CompleteDesigns(&edit, listed - 1);
    MarkSettingsChanged(&edit);
    if (!CommitSettingsEdit(&edit)) {
        return false;
    }
    *count = listed - 1;
    return true;
}

bool ResetWorkingCopy(const char* file, const char* settingsFile)
{
    SettingsEdit edit;
    if (!BeginSettingsEdit(file, &edit)) {
        return false;
    }
    WriteWorkingDesign(&edit, ReadWorkingDesign(settingsFile));
    SetSettingInt(&edit, "REGIST", "SUM", 0);
    SetSettingInt(&edit, "REGIST", "CURRENT", 0);
    SetSettingInt(&edit, "REGIST", "CHANGE", 1);
    SetSettingInt(&edit, "AUTOCHANGE", "CHANGE", 0);
    SetSettingInt(&edit, "AUTOCHANGE", "TIMING", 0);
    SetSettingInt(&edit, "AUTOCHANGE", "ORDER", 0);
    return CommitSettingsEdit(&edit);
}
