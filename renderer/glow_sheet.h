#pragma once
#include <vector>

#include "scene_parameters.h"

struct SheetVertex {
  float x, y, z;        // hidden surface position, recomputed every update
  float u, v;           // fixed grid coordinates in [-1, 1]
  float radiusSquared;  // u^2 + v^2
  float brightness;     // edge-on glow in [0, 1]; border points stay 0
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

  int Resolution() const { return resolution_; }
  const SheetVertex& At(int i, int j) const { return grid_[i * (resolution_ + 1) + j]; }
  SheetVertex& At(int i, int j) { return grid_[i * (resolution_ + 1) + j]; }

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

  int resolution_;
  float glowThreshold_;
  float inverseGlowThreshold_;
  std::vector<SheetVertex> grid_;  // row i, column j at i * (N + 1) + j
};
