#include "glow_sheet_drawing.h"

#include "gl_api.h"
#include "glow_sheet.h"

namespace {

struct PointColour {
  float red, green, blue;
  // After the pipeline clamps the colour to [0, 1], does any channel remain?
  bool Shows() const { return red > 0.0f || green > 0.0f || blue > 0.0f; }
};

PointColour ColourAt(const GlowSheet& sheet, const SheetVertex& p) {
  const float b = p.brightness;
  return {sheet.red + b - 1.0f, sheet.green + b - 1.0f, sheet.blue + b - 1.0f};
}

void EmitPoint(const GlowSheet& sheet, const SheetVertex& p) {
  const PointColour c = ColourAt(sheet, p);
  glColor3f(c.red, c.green, c.blue);
  glVertex3f(p.u, p.v, p.brightness);
}

// Cell j of strip i is the two triangles of points (i+1, j), (i, j),
// (i+1, j+1), (i, j+1). With additive blending a triangle whose three
// corners are all clamped to black adds exactly nothing, and most of a sheet
// is dark; so only runs of cells with a showing corner are sent, each run as
// a strip that starts on an even point and thus repeats the very triangles,
// in the very order and winding, that the whole strip would have drawn.
bool CellShows(const GlowSheet& sheet, int i, int j) {
  return ColourAt(sheet, sheet.At(i + 1, j)).Shows() || ColourAt(sheet, sheet.At(i, j)).Shows() ||
         ColourAt(sheet, sheet.At(i + 1, j + 1)).Shows() || ColourAt(sheet, sheet.At(i, j + 1)).Shows();
}

void DrawStripCells(const GlowSheet& sheet, int i, int firstCell, int lastCell) {
  glBegin(GL_TRIANGLE_STRIP);
  for (int j = firstCell; j <= lastCell + 1; ++j) {
    EmitPoint(sheet, sheet.At(i + 1, j));
    EmitPoint(sheet, sheet.At(i, j));
  }
  glEnd();
}

}  // namespace

void DrawSheet(const GlowSheet& sheet) {
  const int n = sheet.Resolution();
  glPushMatrix();
  glTranslatef(0.2f * sheet.wave[0], 0.2f * sheet.wave[1], 1.6f);
  for (int i = 0; i < n; ++i) {
    int j = 0;
    while (j < n) {
      if (!CellShows(sheet, i, j)) {
        ++j;
        continue;
      }
      const int first = j;
      while (j + 1 < n && CellShows(sheet, i, j + 1)) ++j;
      DrawStripCells(sheet, i, first, j);
      ++j;
    }
  }
  glPopMatrix();
}
