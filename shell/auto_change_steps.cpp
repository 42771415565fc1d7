#include "shell/auto_change_steps.h"

#include "design/auto_change_rules.h"
#include "design/design_compare.h"
#include "design/design_registry.h"
#include "platform/clock.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "shell/shell_commands.h"

// Applying the design records its number with it, in the same save.
static void Carry(HWND window, CalendarState* state, const AutoChangeDecision& decision)
{
    if (decision.action == kAutoChangeApply) {
        const uint32_t count = state->registry.designCount;
        state->registry.currentDesign = decision.design;
        SendMessageA(window, WM_PELMO_APPLY_DESIGN, decision.design, count);
    } else if (decision.action == kAutoChangeCalledOff) {
        ShowNotice(window, IDD_NOTICE_CHANGE_STOPPED);
    }
}

static bool DiffersInForce(const DesignRecord& design)
{
    return SettingsDifferFromDesign(kSettingsFile, design);
}

void RunStartupDesignChange(HWND window, CalendarState* state)
{
    state->autoChange = StartAutoChangeState(state->now);
    const AutoChangeDecision decision = DecideStartupChange(kSettingsFile, &state->autoChange,
                                                            state->registry, state->design, DiffersInForce);
    state->startupChangeCalledOff = decision.action == kAutoChangeCalledOff;
    if (decision.action == kAutoChangeApply) {
        Carry(window, state, decision);
    }
}

void TellStartupChangeCalledOff(HWND window, CalendarState* state)
{
    if (state->startupChangeCalledOff) {
        state->startupChangeCalledOff = false;
        ShowNotice(window, IDD_NOTICE_CHANGE_STOPPED);
    }
}

bool RunTimerDesignChange(HWND window, CalendarState* state)
{
    const AutoChangeDecision decision = DecideTimerChange(&state->autoChange, state->registry, state->now,
                                                          state->design, DiffersInForce);
    Carry(window, state, decision);
    return decision.repaint;
}

void KeepChosenDesignOnce(CalendarState* state, bool confirmed)
{
    state->autoChange.skipOnce = confirmed;
}
