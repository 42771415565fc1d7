// The automatic design change: the choice of the next design and the
// decisions of the start-up and of the one-second timer, stepped through
// pinned clock values.
#include <gtest/gtest.h>
#include <windows.h>
#include <set>

#include "settings/auto_change_rules.h"
#include "settings/clock.h"
#include "settings/settings_file.h"
#include "tests/win/test_support.h"

namespace {

bool Unchanged(const DesignRecord&) { return false; }
bool Changed(const DesignRecord&) { return true; }

int s_draw = 0;
int CountingSource() { return s_draw++; }
int StuckSource() { return 1; }   // always design 2 of any count

DateTime At(uint16_t day, uint16_t hour, uint16_t minute, uint16_t second)
{
    return DateTime{2026, 12, 0, day, hour, minute, second, 0};
}

class AutoChange : public AppFolderTest {
protected:
    void TearDown() override
    {
        SetRandomSourceForTests(nullptr);
        SetClockForTests(nullptr);
        AppFolderTest::TearDown();
    }

    AutoChangeDecision Tick(AutoChangeState* state, RegistryValues registry, DateTime now,
                            DifferCheck differ = Unchanged)
    {
        return DecideTimerChange(state, registry, now, design_, differ);
    }

    DesignRecord design_ = {};
};

TEST_F(AutoChange, ListOrderWrapsAndRandomNeverRepeatsTheCurrentDesign)
{
    uint32_t next = 0;
    ASSERT_TRUE(PickNextDesign(kOrderList, 2, 2, &next));
    EXPECT_EQ(1u, next);
    ASSERT_TRUE(PickNextDesign(kOrderList, 1, 3, &next));
    EXPECT_EQ(2u, next);
    ASSERT_TRUE(PickNextDesign(kOrderList, 5, 3, &next));
    EXPECT_EQ(5u, next);
    next = 9;
    EXPECT_FALSE(PickNextDesign(500, 1, 3, &next));
    EXPECT_FALSE(PickNextDesign(kOrderList, 1, 1, &next));
    EXPECT_FALSE(PickNextDesign(kOrderRandom, 1, 1, &next));
    EXPECT_EQ(9u, next);

    // Two designs alternate strictly, whatever the generator draws.
    srand(7);
    uint32_t current = 1;
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(PickNextDesign(kOrderRandom, current, 2, &next));
        ASSERT_EQ(3 - current, next);
        current = next;
    }
    // Every other design comes up, the current one never.
    SetRandomSourceForTests(CountingSource);
    std::set<uint32_t> seen;
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(PickNextDesign(kOrderRandom, 3, 5, &next));
        seen.insert(next);
    }
    EXPECT_EQ((std::set<uint32_t>{1, 2, 4, 5}), seen);
    // A source that only ever draws the current design still gives an answer.
    SetRandomSourceForTests(StuckSource);
    ASSERT_TRUE(PickNextDesign(kOrderRandom, 2, 4, &next));
    EXPECT_EQ(3u, next);
}

TEST_F(AutoChange, StartupReadsItsDefaultsAndChangesOnlyWhenAskedTo)
{
    AutoChangeState state = StartAutoChangeState(At(7, 10, 59, 30));
    state.skipOnce = true;
    // One design: nothing is read, the values stay.
    state.values = {kTimingHourly, kOrderList};
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "CHANGE", 1));
    EXPECT_EQ(kAutoChangeNone, DecideStartupChange(&state, {1, 1, 0}, design_, Unchanged).action);
    EXPECT_EQ(kTimingHourly, state.values.timing);
    EXPECT_FALSE(state.skipOnce);

    // CHANGE alone: at start-up, in list order.
    AutoChangeDecision decision = DecideStartupChange(&state, {3, 3, 0}, design_, Unchanged);
    EXPECT_EQ(kAutoChangeApply, decision.action);
    EXPECT_EQ(1u, decision.design);
    EXPECT_EQ(kTimingAtStartup, state.values.timing);
    EXPECT_EQ(kOrderList, state.values.order);
    EXPECT_EQ(kAutoChangeCalledOff, DecideStartupChange(&state, {3, 3, 0}, design_, Changed).action);
    // Elsewhere absent keys read as 0.
    AutoChangeValues values = ReadAutoChangeValues();
    EXPECT_EQ(0, values.timing);
    EXPECT_EQ(0, values.order);

    // Hourly only: no change at a 10:59:30 start.
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "TIMING", kTimingHourly));
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "ORDER", 123));
    EXPECT_EQ(kAutoChangeNone, DecideStartupChange(&state, {3, 1, 0}, design_, Changed).action);
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "TIMING", kTimingBoth));
    EXPECT_EQ(kAutoChangeNone, DecideStartupChange(&state, {3, 1, 0}, design_, Unchanged).action);  // unknown order
    values = ReadAutoChangeValues();
    EXPECT_EQ(kTimingBoth, values.timing);
    EXPECT_EQ(123, values.order);

    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "CHANGE", 0));
    EXPECT_EQ(kAutoChangeNone, DecideStartupChange(&state, {3, 1, 0}, design_, Unchanged).action);
    EXPECT_EQ(0, state.values.timing);
    EXPECT_EQ(0, ReadAutoChangeValues().order);

    ASSERT_TRUE(RecordAutoChange(3, 2));
    EXPECT_EQ(2, ReadSettingInt(kSettingsFile, "REGIST", "CURRENT", 0));
    EXPECT_EQ(3, ReadSettingInt(kSettingsFile, "REGIST", "SUM", 0));
}

TEST_F(AutoChange, TimerChangesOnTheFirstTickOfANewHourOrDay)
{
    const DateTime start = At(7, 10, 59, 30);
    SetClockForTests(&start);
    AutoChangeState state = StartAutoChangeState(ReadClock());
    state.values = {kTimingHourly, kOrderList};
    const RegistryValues registry = {3, 3, 0};

    AutoChangeDecision decision = Tick(&state, registry, At(7, 10, 59, 31));
    EXPECT_FALSE(decision.repaint);
    EXPECT_EQ(kAutoChangeNone, decision.action);
    decision = Tick(&state, registry, At(7, 11, 0, 0));
    EXPECT_TRUE(decision.repaint);
    EXPECT_EQ(kAutoChangeApply, decision.action);
    EXPECT_EQ(1u, decision.design);
    decision = Tick(&state, {3, 1, 0}, At(7, 11, 0, 1));
    EXPECT_EQ(kAutoChangeNone, decision.action);
    EXPECT_FALSE(decision.repaint);
    EXPECT_TRUE(Tick(&state, {3, 1, 0}, At(7, 11, 1, 0)).repaint);

    // Midnight, and a clock set forward by exactly one day.
    decision = Tick(&state, {3, 1, 0}, At(7, 23, 59, 59));
    EXPECT_EQ(kAutoChangeApply, decision.action);
    EXPECT_EQ(2u, decision.design);
    decision = Tick(&state, {3, 2, 0}, At(8, 0, 0, 0));
    EXPECT_EQ(kAutoChangeApply, decision.action);
    EXPECT_EQ(3u, decision.design);
    decision = Tick(&state, {3, 3, 0}, At(9, 0, 0, 5));
    EXPECT_EQ(kAutoChangeApply, decision.action);
    EXPECT_EQ(1u, decision.design);

    // An unknown order applies the current design again; start-up timing
    // and a single design never change on the hour.
    state.values.order = 123;
    decision = Tick(&state, {3, 2, 0}, At(9, 1, 0, 0));
    EXPECT_EQ(kAutoChangeApply, decision.action);
    EXPECT_EQ(2u, decision.design);
    state.values = {kTimingAtStartup, kOrderList};
    EXPECT_EQ(kAutoChangeNone, Tick(&state, {3, 2, 0}, At(9, 2, 0, 0)).action);
    state.values = {kTimingBoth, kOrderList};
    EXPECT_EQ(kAutoChangeNone, Tick(&state, {1, 1, 0}, At(9, 3, 0, 0)).action);
}

TEST_F(AutoChange, SkipOnceKeepsTheChosenDesignAndSurvivesACalledOffChange)
{
    // The list opened at 10:58 stopped the timer; OK at 11:00:30.
    AutoChangeState state = StartAutoChangeState(At(7, 10, 58, 0));
    state.values = {kTimingBoth, kOrderList};
    state.skipOnce = true;
    AutoChangeDecision decision = Tick(&state, {3, 2, 0}, At(7, 11, 0, 31));
    EXPECT_EQ(kAutoChangeApply, decision.action);
    EXPECT_EQ(2u, decision.design);
    EXPECT_FALSE(state.skipOnce);
    decision = Tick(&state, {3, 2, 0}, At(7, 12, 0, 0));
    EXPECT_EQ(3u, decision.design);

    // Unregistered changes call it off and leave the flag for the next hour.
    state.skipOnce = true;
    EXPECT_EQ(kAutoChangeCalledOff, Tick(&state, {3, 3, 0}, At(7, 13, 0, 0), Changed).action);
    EXPECT_TRUE(state.skipOnce);
    EXPECT_EQ(kAutoChangeNone, Tick(&state, {3, 3, 0}, At(7, 13, 0, 1), Changed).action);  // hour remembered
    EXPECT_FALSE(state.skipOnce);

    // A tick within the same hour clears it too.
    state.skipOnce = true;
    Tick(&state, {3, 3, 0}, At(7, 13, 5, 0));
    EXPECT_FALSE(state.skipOnce);
    decision = Tick(&state, {3, 3, 0}, At(7, 14, 0, 0));
    EXPECT_EQ(1u, decision.design);
}

TEST_F(AutoChange, ClockCanBePinnedAndReleased)
{
    const DateTime fixed = At(7, 10, 59, 30);
    SetClockForTests(&fixed);
    DateTime now = ReadClock();
    EXPECT_EQ(10, now.hour);
    EXPECT_EQ(30, now.second);
    SetClockForTests(nullptr);
    now = ReadClock();
    EXPECT_GE(now.year, 2000);
    EXPECT_GE(now.month, 1);
}

}  // namespace
