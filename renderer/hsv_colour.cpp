#include "hsv_colour.h"

RgbColour HsvToRgb(float h, float s, float v) {
  RgbColour c{};
  if (h < 0.166667f) {
    c = {1.0f, 6.0f * h, 0.0f};
  } else if (h < 0.333333f) {
    c = {1.0f - 6.0f * (h - 0.166667f), 1.0f, 0.0f};
  } else if (h < 0.5f) {
    c = {0.0f, 1.0f, 6.0f * (h - 0.333333f)};
  } else if (h < 0.666667f) {
    c = {0.0f, 1.0f - 6.0f * (h - 0.5f), 1.0f};
  } else if (h < 0.833333f) {
    c = {6.0f * (h - 0.666667f), 0.0f, 1.0f};
  } else {
    c = {1.0f, 0.0f, 1.0f - 6.0f * (h - 0.833333f)};
  }
  c.red = v * (1.0f - s * (1.0f - c.red));
  c.green = v * (1.0f - s * (1.0f - c.green));
  c.blue = v * (1.0f - s * (1.0f - c.blue));
  return c;
}
