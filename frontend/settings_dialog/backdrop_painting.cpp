#include "backdrop_painting.h"

void PaintBands(HDC dc, int width, int height, BandColour (*colourFor)(int shade)) {
  const HGDIOBJ previous = SelectObject(dc, GetStockObject(DC_BRUSH));
  const int rows = BandRowCount(height);
  for (int row = 0; row < rows; ++row) {
    const BandColour colour = colourFor(BandShade(row, height));
    SetDCBrushColor(dc, RGB(colour.red, colour.green, colour.blue));
    PatBlt(dc, 0, row, width + 1, 1, PATCOPY);
  }
  SelectObject(dc, previous);
}
