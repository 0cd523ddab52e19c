#include "scene.h"

#include <GL/gl.h>

#include <ctime>

#include "pixel_format.h"
#include "random_source.h"
#include "scene_view.h"

void ApplySceneParameters(HWND window) { SetWindowTextA(window, kSaverTitle); }

void SetUpScene(HWND window, Scene& scene) {
  SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  for (int i = 0; i < 20; ++i) NextRandom();

  scene.dc = GetDC(window);
  ChoosePixelFormatForScene(scene.dc);
  scene.context = wglCreateContext(scene.dc);
  RECT client{};
  GetClientRect(window, &client);
  wglMakeCurrent(scene.dc, scene.context);

  // NOTE: a client rectangle always starts at (0, 0), so right and bottom
  // are its size: the screen's, for the full-screen window.
  SetUpSceneView(client.right, client.bottom);
  glClear(GL_COLOR_BUFFER_BIT);

  scene.sheets.reserve(kSceneParameters.sheetCount);
  for (int i = 0; i < kSceneParameters.sheetCount; ++i) scene.sheets.emplace_back(kSceneParameters);
}

void TearDownScene(HWND window, Scene& scene) {
  scene.sheets.clear();
  scene.sheets.shrink_to_fit();
  ReleaseDC(window, scene.dc);
  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(scene.context);
  scene.dc = nullptr;
  scene.context = nullptr;
}
