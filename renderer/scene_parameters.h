#pragma once

// The renderer reads no settings: these four values fix its scene.
struct SceneParameters {
  int sheetCount;
  int gridResolution;  // N: cells per side, (N+1) x (N+1) points per sheet
  int glowBand;        // edge-on band width in hundredths
  int waveSpeed;       // scale of the wave phase rates
};

inline constexpr SceneParameters kSceneParameters{10, 10, 1, 50};
