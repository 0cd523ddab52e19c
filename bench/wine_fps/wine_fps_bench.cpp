// Frames per second of the renderer's own scene and frame driver on a window
// of the screen's size, then of a loop that only clears and presents a window
// of the same size: the ratio is what the scene costs on this machine.
//
//   wine_fps_bench [seconds per measurement, default 5]
#include <windows.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

#include "frame_clock.h"
#include "frame_driver.h"
#include "pixel_format.h"
#include "scene.h"

namespace {

constexpr char kClassName[] = "MiravelFpsBench";

bool RegisterBenchClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kClassName;
  return RegisterClassA(&windowClass) != 0;
}

HWND CreateScreenSizedWindow(HINSTANCE instance) {
  return CreateWindowExA(WS_EX_TOPMOST, kClassName, "Miravel FPS bench", WS_POPUP | WS_VISIBLE, 0, 0,
                         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance,
                         nullptr);
}

void PumpMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Draws frames, answering the window's messages between them as the saver's
// loop does, for `seconds`; returns frames per second.
template <typename DrawFrame>
double MeasureFramesPerSecond(double seconds, DrawFrame drawFrame) {
  LARGE_INTEGER start;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&start);
  long frames = 0;
  do {
    PumpMessages();
    drawFrame();
    ++frames;
    QueryPerformanceCounter(&now);
  } while (Seconds(start, now) < seconds);
  return frames / Seconds(start, now);
}

double MeasureScene(HINSTANCE instance, double seconds) {
  HWND window = CreateScreenSizedWindow(instance);
  Scene scene;
  SetUpScene(window, scene);
  std::printf("OpenGL: %s, %s\n", reinterpret_cast<const char*>(glGetString(GL_VENDOR)),
              reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  FrameClock clock([] { return static_cast<std::uint32_t>(timeGetTime()); });
  const double framesPerSecond = MeasureFramesPerSecond(seconds, [&] { RenderFrame(scene, clock); });
  TearDownScene(window, scene);
  DestroyWindow(window);
  return framesPerSecond;
}

double MeasureClearAndPresent(HINSTANCE instance, double seconds) {
  HWND window = CreateScreenSizedWindow(instance);
  HDC dc = GetDC(window);
  ChoosePixelFormatForScene(dc);
  HGLRC context = wglCreateContext(dc);
  wglMakeCurrent(dc, context);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  const double framesPerSecond = MeasureFramesPerSecond(seconds, [&] {
    glClear(GL_COLOR_BUFFER_BIT);
    wglSwapLayerBuffers(dc, WGL_SWAP_MAIN_PLANE);
  });
  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(context);
  ReleaseDC(window, dc);
  DestroyWindow(window);
  return framesPerSecond;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
  if (seconds <= 0.0) {
    std::fputs("usage: wine_fps_bench [seconds per measurement]\n", stderr);
    return 2;
  }
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterBenchClass(instance)) return 1;
  std::printf("window: %d x %d, %.1f s per measurement\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN), seconds);
  std::fflush(stdout);

  const double scene = MeasureScene(instance, seconds);
  std::printf("scene and frame driver: %8.1f frames/s\n", scene);
  std::fflush(stdout);
  const double baseline = MeasureClearAndPresent(instance, seconds);
  std::printf("clear and present only: %8.1f frames/s\n", baseline);
  std::printf("scene / baseline:       %8.3f\n", scene / baseline);
  return 0;
}
