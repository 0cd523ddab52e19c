#include "glow_sheet_drawing.h"

#include <vector>

#include "gl_api.h"
#include "glow_sheet.h"

namespace {

// One strip point, as sent to OpenGL.
struct StripPoint {
  float red, green, blue;
  float u, v, brightness;
  // After the pipeline clamps the colour to [0, 1], does any channel remain?
  bool Shows() const { return red > 0.0f || green > 0.0f || blue > 0.0f; }
};

StripPoint PointAt(const GlowSheet& sheet, int i, int j) {
  const SheetVertex p = sheet.At(i, j);
  const float b = p.brightness;
  return {sheet.red + b - 1.0f, sheet.green + b - 1.0f, sheet.blue + b - 1.0f, p.u, p.v, b};
}

void Emit(const StripPoint& p) {
  glColor3f(p.red, p.green, p.blue);
  glVertex3f(p.u, p.v, p.brightness);
}

}  // namespace

// Strip i runs through the points (i+1, 0), (i, 0), (i+1, 1), (i, 1), ...
// With additive blending a triangle whose three corners are all clamped to
// black adds exactly nothing, and most of a sheet is dark at any moment. So
// only the strip's triangles with a showing corner are sent, each with its
// corners in the very order the strip gives them (every odd triangle of a
// strip swaps its first two), which rasterises exactly as the whole strip.
void DrawSheet(const GlowSheet& sheet) {
  const int n = sheet.Resolution();
  // Kept between frames so drawing allocates only once.
  static std::vector<StripPoint> strip;
  strip.resize(static_cast<std::size_t>(2 * n + 2));
  glPushMatrix();
  glTranslatef(0.2f * sheet.wave[0], 0.2f * sheet.wave[1], 1.6f);
  bool drawing = false;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j <= n; ++j) {
      strip[2 * j] = PointAt(sheet, i + 1, j);
      strip[2 * j + 1] = PointAt(sheet, i, j);
    }
    for (int t = 0; t < 2 * n; ++t) {
      if (!strip[t].Shows() && !strip[t + 1].Shows() && !strip[t + 2].Shows()) continue;
      if (!drawing) {
        glBegin(GL_TRIANGLES);
        drawing = true;
      }
      const bool odd = (t % 2) != 0;
      Emit(strip[odd ? t + 1 : t]);
      Emit(strip[odd ? t : t + 1]);
      Emit(strip[t + 2]);
    }
  }
  if (drawing) glEnd();
  glPopMatrix();
}
