#include "glow_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "random_source.h"

namespace {

std::vector<int> RandomValues(std::uint32_t seed, int count) {
  SeedRandom(seed);
  std::vector<int> values;
  for (int i = 0; i < count; ++i) values.push_back(NextRandom());
  return values;
}

float Drawn(int r, float c, float w) { return c + static_cast<float>(r) * (w / 32767.0f); }

void ExpectSameSheet(const GlowSheet& a, const GlowSheet& b) {
  for (int k = 0; k < kWaveCount; ++k) {
    ASSERT_EQ(a.wave[k], b.wave[k]);
    ASSERT_EQ(a.phase[k], b.phase[k]);
    ASSERT_EQ(a.rate[k], b.rate[k]);
  }
  ASSERT_EQ(a.hue, b.hue);
  ASSERT_EQ(a.saturation, b.saturation);
  ASSERT_EQ(a.saturationRate, b.saturationRate);
  ASSERT_EQ(a.red, b.red);
  ASSERT_EQ(a.green, b.green);
  ASSERT_EQ(a.blue, b.blue);
  for (int i = 0; i <= a.Resolution(); ++i) {
    for (int j = 0; j <= a.Resolution(); ++j) {
      const SheetVertex& p = a.At(i, j);
      const SheetVertex& q = b.At(i, j);
      ASSERT_EQ(p.x, q.x);
      ASSERT_EQ(p.y, q.y);
      ASSERT_EQ(p.z, q.z);
      ASSERT_EQ(p.brightness, q.brightness);
    }
  }
}

}  // namespace

TEST(GlowSheet, ConstructionDrawsThirtyOneValuesInOrder) {
  const std::vector<int> r = RandomValues(1234, 32);
  SeedRandom(1234);
  const GlowSheet sheet;
  EXPECT_EQ(NextRandom(), r[31]) << "construction must consume exactly 31 values";

  for (int k = 0; k < kWaveCount; ++k) {
    EXPECT_EQ(sheet.wave[k], Drawn(r[3 * k], -1.0f, 2.0f));
    EXPECT_EQ(sheet.phase[k], Drawn(r[3 * k + 1], 0.0f, kTwoPi));
    EXPECT_EQ(sheet.rate[k], Drawn(r[3 * k + 2], 50 * 0.001f, 50 * 0.03f));
  }
  EXPECT_EQ(sheet.hue, Drawn(r[27], 0.0f, 1.0f));
  EXPECT_EQ(sheet.saturation, Drawn(r[28], 0.1f, 0.9f));
  EXPECT_EQ(sheet.hueRate, Drawn(r[29], -0.05f, 0.1f));
  EXPECT_EQ(sheet.saturationRate, Drawn(r[30], 0.001f, 0.04f));
  EXPECT_EQ(sheet.value, 1.0f);
}

TEST(GlowSheet, GridCoversTheSquareAndStartsDark) {
  SeedRandom(7);
  const GlowSheet sheet;
  ASSERT_EQ(sheet.Resolution(), 10);
  EXPECT_FLOAT_EQ(sheet.At(0, 0).u, -1.0f);
  EXPECT_FLOAT_EQ(sheet.At(10, 10).v, 1.0f);
  EXPECT_FLOAT_EQ(sheet.At(3, 8).u, -0.4f);
  EXPECT_FLOAT_EQ(sheet.At(3, 8).v, 0.6f);
  EXPECT_FLOAT_EQ(sheet.At(3, 8).radiusSquared, 0.16f + 0.36f);
  for (int i = 0; i <= 10; ++i)
    for (int j = 0; j <= 10; ++j) EXPECT_EQ(sheet.At(i, j).brightness, 0.0f);
}

TEST(GlowSheet, SameSeedAndStepsReproduceEverySheetExactly) {
  const float steps[] = {0.0f, 0.016f, 0.017f, 0.0f, 0.5f, 0.033f, 2.0f};
  SeedRandom(99);
  GlowSheet a;
  SeedRandom(99);
  GlowSheet b;
  for (float dt : steps) {
    a.Update(dt);
    b.Update(dt);
    ExpectSameSheet(a, b);
  }
}

TEST(GlowSheet, SurfaceFollowsTheNineWaves) {
  SeedRandom(5);
  GlowSheet sheet;
  sheet.Update(0.25f);
  const float* w = sheet.wave;
  for (int k = 0; k < kWaveCount; ++k) EXPECT_FLOAT_EQ(w[k], std::cos(sheet.phase[k]));
  for (int i = 0; i <= 10; ++i) {
    for (int j = 0; j <= 10; ++j) {
      const SheetVertex& p = sheet.At(i, j);
      const float u = p.u, v = p.v, r2 = p.radiusSquared;
      EXPECT_NEAR(p.x, w[0] * u * u * v + w[1] * r2 + 0.5f * w[2], 1e-5);
      EXPECT_NEAR(p.y, w[3] * r2 * v * v + w[4] * u + 0.5f * w[5], 1e-5);
      EXPECT_NEAR(p.z, w[6] * u * r2 * r2 + w[7] * v + w[8], 1e-5);
    }
  }
}

TEST(GlowSheet, InvariantsHoldOverLongRandomStepSequences) {
  std::mt19937 generator(2024);
  std::uniform_real_distribution<float> stepLength(0.0f, 0.2f);
  int litPoints = 0;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    GlowSheet sheet;
    for (int frame = 0; frame < 2000; ++frame) {
      sheet.Update(frame % 7 == 0 ? 0.0f : stepLength(generator));
      for (int k = 0; k < kWaveCount; ++k) {
        ASSERT_GE(sheet.phase[k], 0.0f);
        ASSERT_LE(sheet.phase[k], kTwoPi);
      }
      ASSERT_GE(sheet.hue, 0.0f);
      ASSERT_LE(sheet.hue, 1.0f);
      ASSERT_GE(sheet.saturation, 0.1f);
      ASSERT_LE(sheet.saturation, 1.0f);
      for (int i = 0; i <= 10; ++i) {
        for (int j = 0; j <= 10; ++j) {
          const float b = sheet.At(i, j).brightness;
          const bool border = i == 0 || j == 0 || i == 10 || j == 10;
          if (border) {
            ASSERT_EQ(b, 0.0f) << i << "," << j;
          }
          ASSERT_GE(b, 0.0f);
          ASSERT_LE(b, 1.0f);
          if (b > 0.0f) ++litPoints;
        }
      }
    }
  }
  EXPECT_GT(litPoints, 0) << "some points must glow somewhere along the way";
}

TEST(GlowSheet, ZeroStepOnASaturationBoundFlipsTheDirectionEachFrame) {
  SeedRandom(3);
  GlowSheet sheet;
  const float hueBefore = sheet.hue;
  const float phaseBefore = sheet.phase[4];
  for (float bound : {1.0f, 0.1f}) {
    sheet.saturation = bound;
    sheet.saturationRate = 0.02f;
    sheet.Update(0.0f);
    EXPECT_EQ(sheet.saturationRate, -0.02f) << bound;
    sheet.Update(0.0f);
    EXPECT_EQ(sheet.saturationRate, 0.02f) << bound;
    EXPECT_EQ(sheet.saturation, bound);
  }
  EXPECT_EQ(sheet.hue, hueBefore);
  EXPECT_EQ(sheet.phase[4], phaseBefore);
}

TEST(GlowSheet, SaturationTurnsBackAtItsBounds) {
  SeedRandom(3);
  GlowSheet sheet;
  sheet.saturation = 0.99f;
  sheet.saturationRate = 0.04f;
  sheet.Update(1.0f);
  EXPECT_EQ(sheet.saturation, 1.0f);
  EXPECT_LT(sheet.saturationRate, 0.0f);
}

TEST(GlowSheet, AStepLongerThanATurnLeavesThePhaseAboveTwoPiForAWhile) {
  SeedRandom(11);
  GlowSheet sheet;
  sheet.phase[2] = 6.0f;
  sheet.rate[2] = 1.0f;
  sheet.Update(7.0f);  // 13.0: one subtraction only
  EXPECT_NEAR(sheet.phase[2], 13.0f - kTwoPi, 1e-5);
  EXPECT_GT(sheet.phase[2], kTwoPi);
  sheet.Update(0.0f);
  EXPECT_NEAR(sheet.phase[2], 13.0f - 2 * kTwoPi, 1e-5);
}

TEST(GlowSheet, HueWrapsAroundTheCircleBothWays) {
  SeedRandom(11);
  GlowSheet sheet;
  sheet.hue = 0.01f;
  sheet.hueRate = -0.05f;
  sheet.Update(1.0f);
  EXPECT_NEAR(sheet.hue, 0.96f, 1e-6);
  sheet.hue = 0.99f;
  sheet.hueRate = 0.05f;
  sheet.Update(1.0f);
  EXPECT_NEAR(sheet.hue, 0.04f, 1e-6);
}

TEST(GlowSheet, TooCoarseAGridHasNoInteriorAndStaysDark) {
  SeedRandom(1);
  GlowSheet sheet(SceneParameters{1, 1, 1, 50});
  for (int frame = 0; frame < 50; ++frame) sheet.Update(0.1f);
  for (int i = 0; i <= 1; ++i)
    for (int j = 0; j <= 1; ++j) EXPECT_EQ(sheet.At(i, j).brightness, 0.0f);
}
