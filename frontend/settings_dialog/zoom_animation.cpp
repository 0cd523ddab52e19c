#include "zoom_animation.h"

namespace {

RECT PointRect(POINT point) { return {point.x, point.y, point.x, point.y}; }

}  // namespace

// NOTE: Windows draws these only while window animations are switched on in
// its settings, and Wine not at all; the dialog works the same either way.
void ZoomFromPoint(HWND window, POINT from) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const RECT start = PointRect(from);
  DrawAnimatedRects(window, IDANI_CAPTION, &start, &frame);
}

void ZoomToPoint(HWND window, POINT to) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const RECT end = PointRect(to);
  DrawAnimatedRects(window, IDANI_CAPTION, &frame, &end);
}
