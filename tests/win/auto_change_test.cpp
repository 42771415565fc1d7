// The automatic design change: the choice of the next design and the
// decisions of the start-up and of the one-second timer, stepped through
// pinned clock values.
#include <gtest/gtest.h>
#include <windows.h>
#include <set>
#include <string>

#include "design/auto_change_rules.h"
#include "platform/clock.h"
#include "settings/settings_file.h"
#include "tests/win/test_support.h"

namespace {

bool Unchanged(const DesignRecord&)
{
    return false;
}
bool Changed(const DesignRecord&)
{
    return true;
}
int s_draw = 0;
int CountingSource()
{
    return s_draw++;
}
int StuckSource()
{
    return 1;
}   // always design 2

DateTime At(uint16_t day, uint16_t hour, uint16_t minute, uint16_t second)
{
    return DateTime{2026, 12, 0, day, hour, minute, second, 0};
}

// The pick, or 0 when there is none.
uint32_t Next(int32_t order, uint32_t current, uint32_t count)
{
    uint32_t next = 0;
    return PickNextDesign(order, current, count, &next) ? next : 0;
}

std::string Text(AutoChangeValues values)
{
    return std::to_string(values.timing) + "/" + std::to_string(values.order);
}

// "repaint", "apply n", "notice", or nothing, for one decision.
std::string Text(AutoChangeDecision decision)
{
    std::string text = decision.repaint ? "repaint " : "";
    if (decision.action == kAutoChangeApply) {
        text += "apply " + std::to_string(decision.design);
    } else if (decision.action == kAutoChangeCalledOff) {
        text += "notice";
    }
    return text;
}

class AutoChange : public AppFolderTest {
protected:
    std::string Tick(uint32_t current, DateTime now, DifferCheck differ = Unchanged)
    {
        return Text(DecideTimerChange(&state_, {3, current, 0}, now, DesignRecord{}, differ));
    }
    std::string Startup(uint32_t count, DifferCheck differ = Unchanged)
    {
        return Text(DecideStartupChange(kSettingsFile, &state_, {count, 3, 0}, DesignRecord{}, differ));
    }

    AutoChangeState state_ = {};
};

TEST_F(AutoChange, ListOrderWrapsAndRandomNeverRepeatsTheCurrentDesign)
{
    EXPECT_EQ(2u, Next(kOrderList, 1, 3));
    EXPECT_EQ(1u, Next(kOrderList, 2, 2));
    EXPECT_EQ(5u, Next(kOrderList, 5, 3));   // a number beyond the count stays
    EXPECT_EQ(0u, Next(500, 1, 3));
    EXPECT_EQ(0u, Next(kOrderRandom, 1, 1));

    uint32_t next = 0;
    srand(7);
    for (uint32_t i = 0, current = 1; i < 50; ++i, current = next) {
        ASSERT_TRUE(PickNextDesign(kOrderRandom, current, 2, &next));
        ASSERT_EQ(3 - current, next);
    }
    standIns_.Put(&SystemCalls::random, CountingSource);
    std::set<uint32_t> seen;
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(PickNextDesign(kOrderRandom, 3, 5, &next));
        seen.insert(next);
    }
    EXPECT_EQ((std::set<uint32_t>{1, 2, 4, 5}), seen);
    // A source that only ever draws the current design still ends.
    standIns_.Put(&SystemCalls::random, StuckSource);
    ASSERT_TRUE(PickNextDesign(kOrderRandom, 2, 4, &next));
    EXPECT_EQ(3u, next);
}

TEST_F(AutoChange, StartupReadsItsDefaultsAndChangesOnlyWhenAskedTo)
{
    state_.values = {kTimingHourly, kOrderList};
    state_.skipOnce = true;
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "CHANGE", 1));
    EXPECT_EQ("", Startup(1));   // one design: nothing read
    EXPECT_EQ("200/300", Text(state_.values));
    EXPECT_FALSE(state_.skipOnce);
    // CHANGE alone means at start-up, in list order, there; 0 elsewhere.
    EXPECT_EQ("apply 1", Startup(3));
    EXPECT_EQ("100/300", Text(state_.values));
    EXPECT_EQ("0/0", Text(ReadAutoChangeValues(kSettingsFile)));
    EXPECT_EQ("notice", Startup(3, Changed));

    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "TIMING", kTimingHourly));
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "ORDER", 123));
    EXPECT_EQ("", Startup(3, Changed));
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "TIMING", kTimingBoth));
    EXPECT_EQ("", Startup(3));   // unknown order
    EXPECT_EQ("150/123", Text(ReadAutoChangeValues(kSettingsFile)));
    ASSERT_TRUE(WriteSettingInt(kSettingsFile, "AUTOCHANGE", "CHANGE", 0));
    EXPECT_EQ("", Startup(3));
    EXPECT_EQ("0/0", Text(state_.values));
    EXPECT_EQ("0/0", Text(ReadAutoChangeValues(kSettingsFile)));
}

TEST_F(AutoChange, TimerChangesOnTheFirstTickOfANewHourOrDay)
{
    const DateTime start = At(7, 10, 59, 30);
    standIns_.PinClock(start);
    state_ = StartAutoChangeState(ReadClock());
    state_.values = {kTimingHourly, kOrderList};
    EXPECT_EQ("", Tick(3, At(7, 10, 59, 31)));
    EXPECT_EQ("repaint apply 1", Tick(3, At(7, 11, 0, 0)));
    EXPECT_EQ("", Tick(1, At(7, 11, 0, 1)));
    EXPECT_EQ("repaint ", Tick(1, At(7, 11, 1, 0)));
    EXPECT_EQ("repaint apply 2", Tick(1, At(7, 23, 59, 59)));
    EXPECT_EQ("repaint apply 3", Tick(2, At(8, 0, 0, 0)));
    EXPECT_EQ("apply 1", Tick(3, At(9, 0, 0, 5)));   // the same hour a day later
    // An unknown order applies the current design again; start-up timing
    // never changes on the hour.
    state_.values.order = 123;
    EXPECT_EQ("repaint apply 2", Tick(2, At(9, 1, 0, 0)));
    state_.values = {kTimingAtStartup, kOrderList};
    EXPECT_EQ("repaint ", Tick(2, At(9, 2, 0, 0)));

    standIns_.Put(&SystemCalls::localTime, SystemOwnCalls().localTime);
    EXPECT_GE(ReadClock().year, 2000);
}

TEST_F(AutoChange, SkipOnceKeepsTheChosenDesignAndSurvivesACalledOffChange)
{
    // The list opened at 10:58 stopped the timer; OK at 11:00:30.
    state_ = StartAutoChangeState(At(7, 10, 58, 0));
    state_.values = {kTimingBoth, kOrderList};
    state_.skipOnce = true;
    EXPECT_EQ("repaint apply 2", Tick(2, At(7, 11, 0, 31)));
    EXPECT_EQ("repaint apply 3", Tick(2, At(7, 12, 0, 0)));

    state_.skipOnce = true;
    EXPECT_EQ("repaint notice", Tick(3, At(7, 13, 0, 0), Changed));
    EXPECT_TRUE(state_.skipOnce);
    EXPECT_EQ("", Tick(3, At(7, 13, 0, 1), Changed));   // the hour is remembered
    EXPECT_FALSE(state_.skipOnce);
    EXPECT_EQ("repaint apply 1", Tick(3, At(7, 14, 0, 0)));
}

}   // namespace
