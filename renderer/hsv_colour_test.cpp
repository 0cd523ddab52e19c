#include "hsv_colour.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct HueCase {
  float hue;
  float red, green, blue;
};

float Below(float x) { return std::nextafter(x, 0.0f); }

}  // namespace

TEST(HsvToRgb, FullySaturatedAtAndAroundEachBreakpoint) {
  const HueCase cases[] = {
      {0.0f, 1, 0, 0},
      {Below(0.166667f), 1, 1, 0},  // last of the first row: green 6h, just under 1
      {0.166667f, 1, 1, 0},
      {0.25f, 0.5f, 1, 0},
      {Below(0.333333f), 0, 1, 0},
      {0.333333f, 0, 1, 0},
      {Below(0.5f), 0, 1, 1},
      {0.5f, 0, 1, 1},
      {Below(0.666667f), 0, 0, 1},
      {0.666667f, 0, 0, 1},
      {Below(0.833333f), 1, 0, 1},
      {0.833333f, 1, 0, 1},
      {0.9f, 1, 0, 0.6f},
  };
  for (const HueCase& c : cases) {
    const RgbColour rgb = HsvToRgb(c.hue, 1.0f, 1.0f);
    EXPECT_NEAR(rgb.red, c.red, 1e-5) << "hue " << c.hue;
    EXPECT_NEAR(rgb.green, c.green, 1e-5) << "hue " << c.hue;
    EXPECT_NEAR(rgb.blue, c.blue, 1e-5) << "hue " << c.hue;
  }
}

TEST(HsvToRgb, BreakpointsAreTheDecimalsNotExactSixths) {
  // 1/6 lies below 0.166667, so it still takes the first row.
  const RgbColour rgb = HsvToRgb(1.0f / 6.0f, 1.0f, 1.0f);
  EXPECT_EQ(rgb.red, 1.0f);
  EXPECT_NEAR(rgb.green, 1.0f, 1e-6);
}

TEST(HsvToRgb, HueOfExactlyOneLeavesBlueAHairBelowZero) {
  const RgbColour rgb = HsvToRgb(1.0f, 1.0f, 1.0f);
  EXPECT_EQ(rgb.red, 1.0f);
  EXPECT_EQ(rgb.green, 0.0f);
  EXPECT_LT(rgb.blue, 0.0f);
  EXPECT_GT(rgb.blue, -1e-5f);
}

TEST(HsvToRgb, SaturationPullsEveryChannelTowardTheValue) {
  const RgbColour rgb = HsvToRgb(0.0f, 0.25f, 1.0f);  // pure red at a quarter saturation
  EXPECT_FLOAT_EQ(rgb.red, 1.0f);
  EXPECT_FLOAT_EQ(rgb.green, 0.75f);
  EXPECT_FLOAT_EQ(rgb.blue, 0.75f);
}
