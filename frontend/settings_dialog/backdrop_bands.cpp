#include "backdrop_bands.h"

#include <cmath>

namespace {

// Slightly more than pi, so the row just below the surface comes out a hair
// negative; the absolute value keeps it at 0.
constexpr double kHalfWaveDivisor = 3.142;
constexpr double kAmplitude = 220.0;
constexpr int kTint = 30;

// std::nearbyint rounds halves to the even neighbour in the default rounding mode.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

std::uint8_t Channel(int value) { return static_cast<std::uint8_t>(value); }

}  // namespace

int BandShade(int row, double height) {
  const double period = height / kHalfWaveDivisor;
  return RoundHalfEven(std::fabs(std::sin(row / period) * kAmplitude));
}

int BandRowCount(double height) { return RoundHalfEven(height) + 1; }

BandColour DialogBandColour(int shade) { return {Channel(shade), Channel(shade), Channel(shade + kTint)}; }

BandColour PanelBandColour(int shade) {
  return {Channel(shade + kTint), Channel(shade + kTint), Channel(shade + kTint)};
}
