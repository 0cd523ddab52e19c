#include "scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <ctime>

#include "pixel_format.h"
#include "random_source.h"

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

  glViewport(client.left, client.top, client.right - client.left, client.bottom - client.top);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(20.0, static_cast<double>(client.right) / static_cast<double>(client.bottom), 0.01, 20.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -5.0f);

  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);  // sheets add up to light on black

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
