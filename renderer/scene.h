#pragma once
#include <windows.h>

#include <vector>

#include "glow_sheet.h"

// Everything the OpenGL scene holds from window creation to destruction.
struct Scene {
  HDC dc = nullptr;
  HGLRC context = nullptr;
  std::vector<GlowSheet> sheets;
};

inline constexpr char kSaverTitle[] = "Kestrova_VC";

// The front end knows the renderer is running by this title alone.
void ApplySceneParameters(HWND window);

// Runs while the window is being created; nothing here is checked: without a
// context the frames simply draw nothing on the black class background.
void SetUpScene(HWND window, Scene& scene);
void TearDownScene(HWND window, Scene& scene);
