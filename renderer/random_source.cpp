#include "random_source.h"

namespace {
std::uint32_t state = 1;
}

void SeedRandom(std::uint32_t seed) { state = seed; }

int NextRandom() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

float NextRandomIn(float c, float w) {
  const float scale = w / 32767.0f;
  return c + static_cast<float>(NextRandom()) * scale;
}
