#pragma once
#include <cstdint>

// The dialog and its music panel are shaded in horizontal rows whose
// brightness follows half a sine wave: dark at the top and bottom edges,
// brightest in the middle.

struct BandColour {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// Shade 0 to 220 of row `row` on a surface `height` pixels high.
int BandShade(int row, double height);

// Rows 0 up to and including the height: the last one lies just below the
// surface and shows nothing.
int BandRowCount(double height);

// Blue-tinted, (0, 0, 30) at the edges to (220, 220, 250) in the middle.
BandColour DialogBandColour(int shade);
// Neutral and lighter, (30, 30, 30) to (250, 250, 250).
BandColour PanelBandColour(int shade);
