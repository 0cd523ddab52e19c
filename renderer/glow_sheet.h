#pragma once
#include <vector>

#include "scene_parameters.h"

// One grid point as the drawing and the tests see it.
struct SheetVertex {
  float x, y, z;        // hidden surface position, recomputed every update
  float u, v;           // fixed grid coordinates in [-1, 1]
  float radiusSquared;  // u^2 + v^2
  float brightness;     // edge-on glow in [0, 1]; border points stay 0
};

// The grid held field by field, point (i, j) at i * (N + 1) + j, so that the
// per-frame loops run over contiguous floats and vectorise.
struct SheetGrid {
  int resolution = 0;
  std::vector<float> x, y, z, u, v, radiusSquared, brightness;

  int Index(int i, int j) const { return i * (resolution + 1) + j; }
};

inline constexpr int kWaveCount = 9;
inline constexpr float kTwoPi = 6.2831855f;

// One animated sheet: a grid over [-1, 1]^2 lit where a hidden, deforming
// surface is seen edge-on, with a colour drifting around the hue circle.
class GlowSheet {
 public:
  // Draws exactly 31 values from the random source.
  explicit GlowSheet(const SceneParameters& parameters = kSceneParameters);

  // Advances by dt seconds. Must run before the sheet is first drawn: only it
  // fills the surface, the glow and the colour.
  void Update(float dt);

  int Resolution() const { return grid_.resolution; }
  SheetVertex At(int i, int j) const;
  float& Brightness(int i, int j) { return grid_.brightness[grid_.Index(i, j)]; }

  float wave[kWaveCount];
  float phase[kWaveCount];
  float rate[kWaveCount];
  float hue;
  float saturation;
  float value;
  float red = 0.0f;
  float green = 0.0f;
  float blue = 0.0f;
  float hueRate;
  float saturationRate;

 private:
  void AdvanceWaves(float dt);
  void ShapeSurface();
  void LightEdgeOnPoints();
  void DriftColour(float dt);

  float glowThreshold_;
  float inverseGlowThreshold_;
  SheetGrid grid_;
};
