// When and to which design the calendar changes by itself: at start-up, at
// the first tick of every new hour, or both, in list order or at random.
// The decisions are made here; the calendar window carries them out
// (records the number, applies the design, shows the notice).
#pragma once
#include <stdint.h>

#include "core/dates.h"
#include "settings/design_record.h"

// AUTOCHANGE TIMING and ORDER.
constexpr int32_t kTimingAtStartup = 100;
constexpr int32_t kTimingBoth = 150;
constexpr int32_t kTimingHourly = 200;
constexpr int32_t kOrderList = 300;
constexpr int32_t kOrderRandom = 400;

// The calendar window's copies of TIMING and ORDER, both 0 while automatic
// change is off.
struct AutoChangeValues {
    int32_t timing;
    int32_t order;
};

// After a design was applied: TIMING and ORDER of file (absent keys 0) when
// AUTOCHANGE CHANGE is on, else both 0.
AutoChangeValues ReadAutoChangeValues(const char* file);
// The same as read at start-up, where absent keys mean "at start-up, in
// list order".
AutoChangeValues ReadStartupAutoChangeValues(const char* file);

// The design after current among count designs: the next one in list order
// (after the last, the first; a current number beyond the count stays), or
// at random any but the current one. False, *next untouched, for an order
// value that is neither, or fewer than two designs.
bool PickNextDesign(int32_t order, uint32_t current, uint32_t count, uint32_t* next);

// What the calendar window keeps between ticks.
struct AutoChangeState {
    AutoChangeValues values;
    uint16_t minute;   // remembered local time
    uint16_t hour;
    uint16_t day;
    bool skipOnce;   // set by OK of the design list window, cleared by Cancel
};
// Values off, the time remembered from now.
AutoChangeState StartAutoChangeState(DateTime now);

enum AutoChangeAction {
    kAutoChangeNone,
    kAutoChangeApply,       // record design as current and apply it
    kAutoChangeCalledOff,   // show notice 629; nothing is written
};
struct AutoChangeDecision {
    bool repaint;   // a new minute (or second 0): lay out and repaint
    AutoChangeAction action;
    uint32_t design;   // for kAutoChangeApply
};

// Whether the settings in force differ from the current design; asked only
// when a change falls due. SettingsDifferFromDesign in the program.
typedef bool (*DifferCheck)(const DesignRecord& design);

// Once while the calendar window is created, after the settings are loaded:
// reads AUTOCHANGE of file into state->values (with at least two designs)
// and decides the start-up change. Clears the skip-once flag.
AutoChangeDecision DecideStartupChange(const char* file, AutoChangeState* state, RegistryValues registry,
                                       const DesignRecord& design, DifferCheck differ);

// On every tick of the one-second timer, with the local time of the tick.
AutoChangeDecision DecideTimerChange(AutoChangeState* state, RegistryValues registry, DateTime now,
                                     const DesignRecord& design, DifferCheck differ);
