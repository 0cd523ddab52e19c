#include "frame_clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Replays millisecond readings; the first frame reads the counter twice.
FrameClock ClockReading(std::vector<std::uint32_t> readings) {
  auto next = std::make_shared<std::size_t>(0);
  return FrameClock([readings, next] { return readings.at((*next)++); });
}

}  // namespace

TEST(FrameClock, StepsFollowTheMillisecondCounter) {
  FrameClock clock = ClockReading({5000, 5000, 5016, 5016, 5050, 10050});
  EXPECT_FLOAT_EQ(clock.NextStep(), 0.0f);  // first frame starts from its own reading
  EXPECT_FLOAT_EQ(clock.NextStep(), 0.016f);
  EXPECT_FLOAT_EQ(clock.NextStep(), 0.0f);  // faster than the timer's resolution
  EXPECT_FLOAT_EQ(clock.NextStep(), 0.034f);
  EXPECT_FLOAT_EQ(clock.NextStep(), 5.0f);  // a pause (password dialog) becomes one long step
}

TEST(FrameClock, AWrappedCounterReusesThePreviousStep) {
  FrameClock clock = ClockReading({0xFFFFFF00u, 0xFFFFFF00u, 0xFFFFFF14u, 0x00000010u, 0x00000030u});
  clock.NextStep();
  EXPECT_FLOAT_EQ(clock.NextStep(), 0.020f);
  EXPECT_FLOAT_EQ(clock.NextStep(), 0.020f);  // wrapped: the step is kept
  EXPECT_FLOAT_EQ(clock.NextStep(), 0.032f);
}
