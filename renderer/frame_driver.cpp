#include "frame_driver.h"

#include <GL/gl.h>

#include "glow_sheet_drawing.h"

void RenderFrame(Scene& scene, FrameClock& clock) {
  const float dt = clock.NextStep();
  for (GlowSheet& sheet : scene.sheets) sheet.Update(dt);
  glClear(GL_COLOR_BUFFER_BIT);
  for (const GlowSheet& sheet : scene.sheets) DrawSheet(sheet);
  glFlush();
  wglSwapLayerBuffers(scene.dc, WGL_SWAP_MAIN_PLANE);
}
