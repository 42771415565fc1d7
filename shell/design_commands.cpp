#include "shell/design_commands.h"

#include "design/auto_change_rules.h"
#include "design/design_apply.h"
#include "design/design_compare.h"
#include "design/design_registry.h"
#include "dialogs/design_list.h"
#include "dialogs/settings_sheet.h"
#include "platform/start_trace.h"
#include "res/resource.h"
#include "settings/settings_copy.h"
#include "settings/settings_edit.h"
#include "settings/settings_file.h"
#include "settings/settings_sections.h"
#include "shell/context_menu.h"
#include "shell/shell_commands.h"
#include "shell/transparency.h"
#include "tooltips/tooltips.h"

static const UINT kClockPeriodMs = 1000;

// The brush values in force: the brush's own, or the stored ones while the
// brush only stands in for a picture that could not be used.
static BrushTriple BrushInForce(const CalendarState& state)
{
    BrushTriple brush = {};
    if (state.keepStoredBrush || !BrushTripleFromBrush(state.brush, &brush)) {
        brush = ReadBrushSection(kSettingsFile);
    }
    return brush;
}

// The registry values in memory follow the file only once it took the
// design: a count that ran ahead of the sections would list a design that
// does not exist.
static void Register(HWND window, CalendarState* state, RegistryValues registry, int notice)
{
    if (!RegisterDesign(kSettingsFile, state->design, BrushInForce(*state), registry)) {
        TellSettingsNotSaved(window);
        return;
    }
    state->registry = registry;
    state->registry.unregisteredChange = 0;
    UpdateDesignMenu(state->registry);
    ShowNotice(window, notice);
}

static void RegisterNewDesign(HWND window, CalendarState* state)
{
    if (state->registry.designCount >= kMaxDesigns) {
        return;
    }
    RegistryValues registry = state->registry;
    ++registry.designCount;
    registry.currentDesign = registry.designCount;
    Register(window, state, registry, IDD_NOTICE_REGISTERED);
}

// Only a design in force can be overwritten; the menu offers it only then.
static void OverwriteDesign(HWND window, CalendarState* state)
{
    if (state->registry.currentDesign == 0) {
        return;
    }
    Register(window, state, state->registry, IDD_NOTICE_OVERWRITTEN);
}

// After edits were put in force: the menu and the flag follow whether what
// is in force is still the current design, and the memo fonts are made
// again.
static void AfterSettingsApplied(CalendarState* state)
{
    RegistryValues& registry = state->registry;
    if (SettingsDifferFromDesign(kSettingsFile, state->design)) {
        registry.unregisteredChange = 1;
        EnableDesignCommand(IDM_DESIGN_NEW, true);
        EnableDesignCommand(IDM_DESIGN_OVERWRITE, registry.currentDesign != 0);
    } else {
        registry.unregisteredChange = 0;
        EnableDesignCommand(IDM_DESIGN_NEW, false);
        EnableDesignCommand(IDM_DESIGN_OVERWRITE, false);
    }
    ApplyMemoDisplaySettings(state->memo);
}

// The clock stops while the sheet is open; the pages may replace the brush,
// so the surface holds its own first brush meanwhile.
static void RunSettingsCommand(HWND window, CalendarState* state)
{
    KillTimer(window, IDT_CLOCK);
    SelectObject(state->backBuffer, state->firstBrush);
    HBRUSH before = state->brush;
    SheetTarget target = {&state->brush, &state->design, &state->memo, false};
    // Edits put in force by "更 新" stay in force when the sheet is then
    // cancelled: they are compared as after OK.
    if (RunSettingsSheet(window, &target) || target.applied) {
        AfterSettingsApplied(state);
    }
    if (state->brush != before) {
        state->keepStoredBrush = false;
    }
    // What the pages wrote to the file (cell colours, transparency) is read
    // once here, so that no refresh needs to.
    state->cellColors = ReadCellColors(kSettingsFile);
    state->transparent = ReadTransparent(kSettingsFile);
    ApplyTransparencySetting(window);
    SelectObject(state->backBuffer, state->brush);
    SetTimer(window, IDT_CLOCK, kClockPeriodMs, nullptr);
}

static const char kRegisterFirstQuestion[] =
    "変更を登録しますか？\n変更を登録しないと変更内容が消去されます。\n"
    "変更を登録する場合は「はい」を選んで、\nメニューから登録を行ってください。";
static const char kWorkingCopyFailed[] = "作業用の設定ファイル temp.ini を作れませんでした。\n"
                                         "デザイン選択を開けません。";
static const char kProgramCaption[] = "『ポルカミナ』";

// The list works on a fresh copy of pelmo.ini; the calendar stays disabled
// with its clock stopped until the list closes. Unregistered changes would
// be lost by any choice, so the user may go and register them first.
static void ChooseDesign(HWND window, CalendarState* state)
{
    const RegistryValues& registry = state->registry;
    if (registry.designCount == 0) {
        return;
    }
    KillTimer(window, IDT_CLOCK);
    if (registry.unregisteredChange == 1 &&
        MessageBoxA(window, kRegisterFirstQuestion, "Information", MB_ICONINFORMATION | MB_YESNO) == IDYES) {
        SetTimer(window, IDT_CLOCK, kClockPeriodMs, nullptr);
        return;
    }
    if (!CopySettingsFile(kSettingsFile, kWorkingFile)) {
        MessageBoxA(window, kWorkingCopyFailed, kProgramCaption, MB_ICONERROR | MB_OK);
        SetTimer(window, IDT_CLOCK, kClockPeriodMs, nullptr);
        return;
    }
    // Made at its first use, not with the calendar, whose start it would
    // only slow; hidden, not destroyed, when it closes.
    if (!state->designList) {
        state->designList = CreateDesignListWindow(window, &state->holidays.table);
        TraceStep("design list made");
    }
    if (!state->designList) {
        SetTimer(window, IDT_CLOCK, kClockPeriodMs, nullptr);
        return;
    }
    SendMessageA(state->designList, WM_PELMO_SHOW_DESIGNS, registry.designCount, registry.currentDesign);
    ShowWindow(state->designList, SW_SHOW);
    EnableWindow(window, FALSE);
}

bool HandleDesignCommand(HWND window, int command, CalendarState* state, bool* refresh)
{
    *refresh = false;
    switch (command) {
    case IDM_DESIGN_NEW:
        RegisterNewDesign(window, state);
        return true;
    case IDM_DESIGN_OVERWRITE:
        OverwriteDesign(window, state);
        return true;
    case IDM_SETTINGS:
        RunSettingsCommand(window, state);
        *refresh = true;
        return true;
    case IDM_DESIGN_CHOOSE:
        ChooseDesign(window, state);
        return true;
    }
    return false;
}

void ApplyDesignToCalendar(HWND window, CalendarState* state, uint32_t number, uint32_t count)
{
    RegistryValues& registry = state->registry;
    registry.currentDesign = number;
    registry.designCount = count;
    registry.unregisteredChange = 0;
    if (count != 0) {
        Design applied;
        bool saved = false;
        if (ApplyDesign(kSettingsFile, number, count, state->backBuffer, &state->brush, &applied, &saved)) {
            state->design = applied.record;
            state->cellColors = applied.look.cellColors;
            state->transparent = applied.look.transparent != 0;
            if (!saved) {
                TellSettingsNotSaved(window);
            }
        }
        state->keepStoredBrush = false;
        ApplyTransparencySetting(window);
    } else {
        registry.currentDesign = 0;
    }
    // With the flag clear this gives what applying asks for: nothing to
    // overwrite or register while a design is in force, nothing to choose
    // once none is left.
    UpdateDesignMenu(registry);
    state->autoChange.values = ReadAutoChangeValues(kSettingsFile);
    SetTimer(window, IDT_CLOCK, kClockPeriodMs, nullptr);
}
