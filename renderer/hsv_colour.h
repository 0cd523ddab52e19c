#pragma once

struct RgbColour {
  float red;
  float green;
  float blue;
};

// Hue circle cut at the decimal breakpoints 0.166667, 0.333333, 0.5,
// 0.666667 and 0.833333 (not exact sixths); the result is not clamped, so a
// hue of exactly 1.0 gives a blue a hair below zero.
RgbColour HsvToRgb(float h, float s, float v);
