#include "random_source.h"

#include <gtest/gtest.h>

TEST(RandomSource, SeedOneGivesTheClassicSequence) {
  SeedRandom(1);
  EXPECT_EQ(NextRandom(), 41);
  EXPECT_EQ(NextRandom(), 18467);
  EXPECT_EQ(NextRandom(), 6334);
  EXPECT_EQ(NextRandom(), 26500);
}

TEST(RandomSource, ValuesStayWithinFifteenBits) {
  SeedRandom(0xDEADBEEF);
  for (int i = 0; i < 100000; ++i) {
    const int r = NextRandom();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 32767);
  }
}
