#include <gtest/gtest.h>

#include "app/CFramePacer.h"

namespace {
constexpr double kPeriod = 1.0 / 64.0;
}

TEST(FramePacer, TicksSixtyFourTimesASecondOnAFixedSchedule) {
    CFramePacer pacer;
    EXPECT_DOUBLE_EQ(pacer.GetPeriod(), 0.015625);
    pacer.Start(100.0);
    EXPECT_TRUE(pacer.IsDue(100.0));
    // A tick taken a little late does not push the schedule back.
    pacer.TickTaken(100.004);
    EXPECT_DOUBLE_EQ(pacer.GetDeadline(), 100.0 + kPeriod);
    EXPECT_FALSE(pacer.IsDue(100.0 + kPeriod - 1e-6));
    EXPECT_NEAR(pacer.SecondsUntilDue(100.01), kPeriod - 0.01, 1e-9);
    EXPECT_TRUE(pacer.IsDue(100.0 + kPeriod));
}

TEST(FramePacer, AfterAStallTheNextTickComesOnTheScheduleNotInABurst) {
    CFramePacer pacer;
    pacer.Start(0.0);
    pacer.TickTaken(0.0);
    // The process stalls for a third of a second (21.3 periods).
    const double late = 0.333;
    ASSERT_TRUE(pacer.IsDue(late));
    pacer.TickTaken(late);
    // One tick now, the next at the first point of the schedule after it.
    EXPECT_FALSE(pacer.IsDue(late));
    EXPECT_DOUBLE_EQ(pacer.GetDeadline(), 22 * kPeriod);
    EXPECT_GT(pacer.GetDeadline(), late);
    EXPECT_LE(pacer.GetDeadline() - late, kPeriod);
}

TEST(FramePacer, ATickEndingExactlyOnAScheduledPointWaitsForTheNextOne) {
    CFramePacer pacer;
    pacer.Start(0.0);
    pacer.TickTaken(2 * kPeriod);
    EXPECT_DOUBLE_EQ(pacer.GetDeadline(), 3 * kPeriod);
    EXPECT_DOUBLE_EQ(pacer.SecondsUntilDue(5.0), 0.0);
}
