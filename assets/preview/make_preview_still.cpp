// Renders one frame of the saver on Mesa's offscreen context, as the renderer
// would after a few seconds of motion from a fixed seed, and writes it as a
// binary PPM. Usage: make_preview_still SEED SECONDS WIDTH HEIGHT OUT.ppm
#include <GL/osmesa.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "glow_sheet.h"
#include "glow_sheet_drawing.h"
#include "random_source.h"
#include "scene_view.h"

namespace {

constexpr float kFrameStep = 1.0f / 60.0f;

std::vector<GlowSheet> MoveSheets(unsigned seed, float seconds) {
  SeedRandom(seed);
  for (int i = 0; i < 20; ++i) NextRandom();  // as the renderer's scene set-up does
  std::vector<GlowSheet> sheets;
  for (int i = 0; i < kSceneParameters.sheetCount; ++i) sheets.emplace_back(kSceneParameters);
  for (float t = 0.0f; t < seconds; t += kFrameStep) {
    for (GlowSheet& sheet : sheets) sheet.Update(kFrameStep);
  }
  return sheets;
}

bool WritePpm(const char* path, int width, int height, const std::vector<unsigned char>& rgba) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  for (int y = height - 1; y >= 0; --y) {  // OpenGL rows run bottom up
    for (int x = 0; x < width; ++x) std::fwrite(&rgba[(y * width + x) * 4], 1, 3, file);
  }
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s SEED SECONDS WIDTH HEIGHT OUT.ppm\n", argv[0]);
    return 2;
  }
  const unsigned seed = static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10));
  const float seconds = std::strtof(argv[2], nullptr);
  const int width = std::atoi(argv[3]);
  const int height = std::atoi(argv[4]);

  std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4);
  OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 0, 0, 0, nullptr);
  if (context == nullptr || !OSMesaMakeCurrent(context, rgba.data(), GL_UNSIGNED_BYTE, width, height)) return 1;
  SetUpSceneView(width, height);

  glClear(GL_COLOR_BUFFER_BIT);
  for (const GlowSheet& sheet : MoveSheets(seed, seconds)) DrawSheet(sheet);
  glFinish();
  OSMesaDestroyContext(context);
  return WritePpm(argv[5], width, height, rgba) ? 0 : 1;
}
