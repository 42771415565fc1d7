#include "design/auto_change_rules.h"

#include "platform/system_calls.h"
#include "settings/settings_file.h"

// Draws before a random pick gives up on a source that keeps returning the
// current design and takes the next one in list order instead; rand never
// comes near it.
static const int kMostDraws = 10000;

static AutoChangeValues ReadValues(const char* file, int32_t timingDefault, int32_t orderDefault)
{
    const ProfileSection keys = ReadSettingsSection(file, "AUTOCHANGE");
    if (ProfileInt(keys, "CHANGE", 0) == 0) {
        return AutoChangeValues{0, 0};
    }
    return AutoChangeValues{ProfileInt(keys, "TIMING", timingDefault),
                            ProfileInt(keys, "ORDER", orderDefault)};
}

AutoChangeValues ReadAutoChangeValues(const char* file)
{
    return ReadValues(file, 0, 0);
}

AutoChangeValues ReadStartupAutoChangeValues(const char* file)
{
    return ReadValues(file, kTimingAtStartup, kOrderList);
}

static uint32_t NextInList(uint32_t current, uint32_t count)
{
    if (current < count) {
        return current + 1;
    }
    return current == count ? 1 : current;
}

static uint32_t RandomOtherThan(uint32_t current, uint32_t count)
{
    for (int draw = 0; draw < kMostDraws; ++draw) {
        uint32_t pick = (uint32_t)(System().random() & 0x7FFF) % count + 1;
        if (pick != current) {
            return pick;
        }
    }
    return NextInList(current, count);
}

bool PickNextDesign(int32_t order, uint32_t current, uint32_t count, uint32_t* next)
{
    if (count < 2) {
        return false;
    }
    if (order == kOrderList) {
        *next = NextInList(current, count);
        return true;
    }
    if (order == kOrderRandom) {
        *next = RandomOtherThan(current, count);
        return true;
    }
    return false;
}

AutoChangeState StartAutoChangeState(DateTime now)
{
    return AutoChangeState{{0, 0}, now.minute, now.hour, now.day, false};
}

static bool AtStartup(int32_t timing)
{
    return timing == kTimingAtStartup || timing == kTimingBoth;
}

static bool Hourly(int32_t timing)
{
    return timing == kTimingHourly || timing == kTimingBoth;
}

AutoChangeDecision DecideStartupChange(const char* file, AutoChangeState* state, RegistryValues registry,
                                       const DesignRecord& design, DifferCheck differ)
{
    AutoChangeDecision decision = {false, kAutoChangeNone, 0};
    state->skipOnce = false;
    if (registry.designCount < 2) {
        return decision;
    }
    state->values = ReadStartupAutoChangeValues(file);
    if (!AtStartup(state->values.timing)) {
        return decision;
    }
    if (differ(design)) {
        decision.action = kAutoChangeCalledOff;
        return decision;
    }
    uint32_t next = 0;
    if (PickNextDesign(state->values.order, registry.currentDesign, registry.designCount, &next)) {
        decision.action = kAutoChangeApply;
        decision.design = next;
    }
    return decision;
}

// The skip-once flag lives only until the first tick after the list window
// closed; it keeps the user's choice when that tick is also a new hour.
AutoChangeDecision DecideTimerChange(AutoChangeState* state, RegistryValues registry, DateTime now,
                                     const DesignRecord& design, DifferCheck differ)
{
    AutoChangeDecision decision = {false, kAutoChangeNone, 0};
    if (now.minute != state->minute) {
        state->minute = now.minute;
        decision.repaint = true;
    } else if (now.second == 0) {
        decision.repaint = true;
    }
    if (registry.designCount < 2 || !Hourly(state->values.timing) ||
        (now.hour == state->hour && now.day == state->day)) {
        state->skipOnce = false;
        return decision;
    }
    state->hour = now.hour;
    state->day = now.day;
    if (differ(design)) {
        decision.action = kAutoChangeCalledOff;
        return decision;
    }
    uint32_t next = registry.currentDesign;
    if (state->skipOnce) {
        state->skipOnce = false;
    } else {
        PickNextDesign(state->values.order, registry.currentDesign, registry.designCount, &next);
    }
    decision.action = kAutoChangeApply;
    decision.design = next;
    return decision;
}
