#pragma once
#include <cstdint>

// The renderer's one random source, shared by everything that draws random
// numbers: the classic linear congruential rule (multiplier 214013,
// increment 2531011), values 0 to 32767.
void SeedRandom(std::uint32_t seed);
int NextRandom();

// c + r * (w / 32767) for the next value r: uniform in [c, c + w], both ends
// reachable. The factor is formed in single precision.
float NextRandomIn(float c, float w);
