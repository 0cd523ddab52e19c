#include "glow_sheet.h"

#include <cmath>

#include "hsv_colour.h"
#include "random_source.h"

GlowSheet::GlowSheet(const SceneParameters& parameters)
    : glowThreshold_(static_cast<float>(parameters.glowBand) * 0.01f),
      inverseGlowThreshold_(1.0f / glowThreshold_) {
  const int n = parameters.gridResolution;
  const std::size_t points = static_cast<std::size_t>((n + 1) * (n + 1));
  grid_.resolution = n;
  for (std::vector<float>* field : {&grid_.x, &grid_.y, &grid_.z, &grid_.u, &grid_.v, &grid_.radiusSquared,
                                    &grid_.brightness})
    field->assign(points, 0.0f);
  const float step = 1.0f / (static_cast<float>(n) * 0.5f);
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      const int p = grid_.Index(i, j);
      const float u = static_cast<float>(i) * step - 1.0f;
      const float v = static_cast<float>(j) * step - 1.0f;
      grid_.u[p] = u;
      grid_.v[p] = v;
      grid_.radiusSquared[p] = u * u + v * v;
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

namespace {

// Scales the vector to length 1; a vector of length exactly 0 becomes
// (0, 1, 0). Written without branches so the glow loop vectorises: a
// zero-length vector has all components 0, dividing by 1 keeps them so, and
// y gains the 1.
inline void Normalise(float& x, float& y, float& z) {
  const float length = std::sqrt(x * x + y * y + z * z);
  const float degenerate = static_cast<float>(length == 0.0f);
  const float inverse = 1.0f / (length + degenerate);
  x *= inverse;
  y = y * inverse + degenerate;
  z *= inverse;
}

}  // namespace

SheetVertex GlowSheet::At(int i, int j) const {
  const int p = grid_.Index(i, j);
  return {grid_.x[p], grid_.y[p], grid_.z[p], grid_.u[p], grid_.v[p], grid_.radiusSquared[p], grid_.brightness[p]};
}

void GlowSheet::ShapeSurface() {
  const float w0 = wave[0], w1 = wave[1], w2 = 0.5f * wave[2];
  const float w3 = wave[3], w4 = wave[4], w5 = 0.5f * wave[5];
  const float w6 = wave[6], w7 = wave[7], w8 = wave[8];
  const float* u = grid_.u.data();
  const float* v = grid_.v.data();
  const float* r2 = grid_.radiusSquared.data();
  float* x = grid_.x.data();
  float* y = grid_.y.data();
  float* z = grid_.z.data();
  const int points = static_cast<int>(grid_.x.size());
  // One loop per component: each then writes a single array, few enough
  // possible overlaps for the compiler to check them and vectorise.
  for (int p = 0; p < points; ++p) x[p] = w0 * u[p] * u[p] * v[p] + w1 * r2[p] + w2;
  for (int p = 0; p < points; ++p) y[p] = w3 * r2[p] * v[p] * v[p] + w4 * u[p] + w5;
  for (int p = 0; p < points; ++p) z[p] = w6 * u[p] * (r2[p] * r2[p]) + w7 * v[p] + w8;
}

void GlowSheet::LightEdgeOnPoints() {
  const int n = grid_.resolution;
  const int stride = n + 1;
  const float* x = grid_.x.data();
  const float* y = grid_.y.data();
  const float* z = grid_.z.data();
  float* brightness = grid_.brightness.data();
  for (int i = 1; i < n; ++i) {
    const int row = i * stride;
    for (int j = 1; j < n; ++j) {
      const int p = row + j;
      // a runs along the row between the point's two neighbours, b across.
      float ax = x[p + 1] - x[p - 1], ay = y[p + 1] - y[p - 1], az = z[p + 1] - z[p - 1];
      float bx = x[p + stride] - x[p - stride], by = y[p + stride] - y[p - stride], bz = z[p + stride] - z[p - stride];
      Normalise(ax, ay, az);
      Normalise(bx, by, bz);
      // Only the z component of b x a matters: the part of the surface normal
      // along the viewing axis. Near 0 the surface is seen edge-on and glows.
      float glow = (glowThreshold_ - std::fabs(bx * ay - by * ax)) * inverseGlowThreshold_;
      if (glow > 1.0f) glow = 1.0f;
      if (glow < 0.0f) glow = 0.0f;
      brightness[p] = glow;
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
