#include "glow_sheet.h"

#include <cmath>

#include "hsv_colour.h"
#include "random_source.h"
#include "vec3.h"

GlowSheet::GlowSheet(const SceneParameters& parameters)
    : resolution_(parameters.gridResolution),
      glowThreshold_(static_cast<float>(parameters.glowBand) * 0.01f),
      inverseGlowThreshold_(1.0f / glowThreshold_) {
  const int n = resolution_;
  const float step = 1.0f / (static_cast<float>(n) * 0.5f);
  grid_.resize(static_cast<std::size_t>((n + 1) * (n + 1)));
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      SheetVertex& p = At(i, j);
      p = {};
      p.u = static_cast<float>(i) * step - 1.0f;
      p.v = static_cast<float>(j) * step - 1.0f;
      p.radiusSquared = p.u * p.u + p.v * p.v;
    }
  }

  const float speed = static_cast<float>(parameters.waveSpeed);
  for (int k = 0; k < kWaveCount; ++k) {
    wave[k] = NextRandomIn(-1.0f, 2.0f);
    phase[k] = NextRandomIn(0.0f, kTwoPi);
    rate[k] = NextRandomIn(speed * 0.001f, speed * 0.03f);
  }
  hue = NextRandomIn(0.0f, 1.0f);
  value = 1.0f;
  saturation = NextRandomIn(0.1f, 0.9f);
  hueRate = NextRandomIn(-0.05f, 0.1f);
  saturationRate = NextRandomIn(0.001f, 0.04f);
}

void GlowSheet::Update(float dt) {
  AdvanceWaves(dt);
  ShapeSurface();
  LightEdgeOnPoints();
  DriftColour(dt);
}

void GlowSheet::AdvanceWaves(float dt) {
  for (int k = 0; k < kWaveCount; ++k) {
    phase[k] += dt * rate[k];
    // One subtraction only: a step longer than a whole turn leaves the phase
    // above 2 pi, and later frames bring it back a turn at a time.
    if (phase[k] > kTwoPi) phase[k] -= kTwoPi;
    wave[k] = std::cos(phase[k]);
  }
}

void GlowSheet::ShapeSurface() {
  const float* w = wave;
  for (SheetVertex& p : grid_) {
    const float r2 = p.radiusSquared;
    p.x = w[0] * p.u * p.u * p.v + w[1] * r2 + 0.5f * w[2];
    p.y = w[3] * r2 * p.v * p.v + w[4] * p.u + 0.5f * w[5];
    p.z = w[6] * p.u * (r2 * r2) + w[7] * p.v + w[8];
  }
}

void GlowSheet::LightEdgeOnPoints() {
  const int n = resolution_;
  auto position = [this](int i, int j) {
    const SheetVertex& p = At(i, j);
    return Vec3{p.x, p.y, p.z};
  };
  for (int i = 1; i < n; ++i) {
    for (int j = 1; j < n; ++j) {
      Vec3 a = position(i, j + 1) - position(i, j - 1);
      Vec3 b = position(i + 1, j) - position(i - 1, j);
      a.Normalise();
      b.Normalise();
      float glow = (glowThreshold_ - std::fabs(CrossZ(b, a))) * inverseGlowThreshold_;
      if (glow > 1.0f) glow = 1.0f;
      if (glow < 0.0f) glow = 0.0f;
      At(i, j).brightness = glow;
    }
  }
}

void GlowSheet::DriftColour(float dt) {
  hue += dt * hueRate;
  if (hue < 0.0f) hue += 1.0f;
  if (hue > 1.0f) hue -= 1.0f;

  // Both bounds are inclusive, so a zero step resting on a bound flips the
  // direction on every frame.
  saturation += dt * saturationRate;
  if (saturation <= 0.1f) {
    saturationRate = -saturationRate;
    saturation = 0.1f;
  }
  if (saturation >= 1.0f) {
    saturationRate = -saturationRate;
    saturation = 1.0f;
  }

  const RgbColour colour = HsvToRgb(hue, saturation, value);
  red = colour.red;
  green = colour.green;
  blue = colour.blue;
}
