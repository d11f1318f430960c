#include "connection/ReconnectSchedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesk::testing {
namespace {

// Walks a schedule against a server that never answers: every attempt starts the moment it is
// due and fails at once. The waits it went through, in order.
std::vector<std::uint32_t> waitsUntilGivingUp(ReconnectSchedule& schedule, std::uint32_t start) {
    std::vector<std::uint32_t> waits;
    std::uint32_t now = start;
    schedule.begin(now);
    while (schedule.active() && waits.size() < 1000) {
        waits.push_back(schedule.currentWait());
        now += schedule.millisecondsLeft(now);
        EXPECT_TRUE(schedule.due(now));
        schedule.attemptStarted();
        schedule.attemptFailed(now);
    }
    return waits;
}

TEST(ReconnectScheduleTest, WaitsGrowThenRepeatAndStopAfterTenMinutes) {
    ReconnectSchedule schedule;
    const std::vector<std::uint32_t> waits = waitsUntilGivingUp(schedule, 5000);
    // 2 + 4 + 8 + 16 + 30 = 60 s, then eighteen waits of 30 s reach exactly 600 s.
    ASSERT_EQ(waits.size(), 5u + 18u);
    EXPECT_EQ(std::vector<std::uint32_t>(waits.begin(), waits.begin() + 6),
              (std::vector<std::uint32_t>{2000, 4000, 8000, 16000, 30000, 30000}));
    EXPECT_EQ(waits.back(), 30000u);
    EXPECT_EQ(schedule.attempts(), 23);
    EXPECT_FALSE(schedule.active());
}

// The clock wraps at 2^32 during the waits; only differences count.
TEST(ReconnectScheduleTest, AClockThatWrapsKeepsTheSameWaits) {
    ReconnectSchedule plain;
    ReconnectSchedule wrapping;
    EXPECT_EQ(waitsUntilGivingUp(plain, 0), waitsUntilGivingUp(wrapping, 0xFFFFF000u));
}

TEST(ReconnectScheduleTest, AnAttemptIsDueOnlyWhenItsWaitIsOver) {
    ReconnectSchedule schedule;
    schedule.begin(1000);
    EXPECT_FALSE(schedule.due(1000));
    EXPECT_EQ(schedule.millisecondsLeft(1500), 1500u);
    EXPECT_FALSE(schedule.due(2999));
    EXPECT_TRUE(schedule.due(3000));
    schedule.attemptStarted();
    // While the attempt runs nothing more is due, however long it takes.
    EXPECT_FALSE(schedule.due(100000));
    EXPECT_EQ(schedule.millisecondsLeft(100000), 0u);
    EXPECT_EQ(schedule.state(), ReconnectSchedule::State::Attempting);
}

// Slow failures (a connect that times out) count against the ten minutes too.
TEST(ReconnectScheduleTest, SlowFailuresShortenTheWholeSchedule) {
    ReconnectSchedule schedule;
    schedule.begin(0);
    schedule.attemptStarted();
    EXPECT_TRUE(schedule.attemptFailed(590000));
    EXPECT_EQ(schedule.currentWait(), 4000u);
    schedule.attemptStarted();
    EXPECT_FALSE(schedule.attemptFailed(597000));
    EXPECT_FALSE(schedule.active());
}

TEST(ReconnectScheduleTest, StopEndsTheWaitAndAShortPlanIsKept) {
    ReconnectSchedule schedule({{10, 20}, 100});
    const std::vector<std::uint32_t> waits = waitsUntilGivingUp(schedule, 0);
    EXPECT_EQ(waits, (std::vector<std::uint32_t>{10, 20, 20, 20, 20}));
    schedule.begin(0);
    schedule.stop();
    EXPECT_FALSE(schedule.due(1000));
    EXPECT_FALSE(schedule.attemptFailed(1000));
}

} // namespace
} // namespace vesk::testing
