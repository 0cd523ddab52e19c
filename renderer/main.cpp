#include <windows.h>

#include "saver_window.h"

namespace {

// Another saver of this kind that has not yet renamed its window is brought
// forward instead of starting a second one.
bool ForwardToRunningSaver() {
  HWND running = FindWindowA(kSaverClassName, kSaverCreationTitle);
  if (running == nullptr || !IsWindow(running)) return false;
  SetForegroundWindow(running);
  return true;
}

int RunMessageLoop(SaverWindow& saver) {
  MSG message{};
  for (;;) {
    while (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      RunIdleStep(saver);
      Sleep(0);  // yield the rest of the slice; the thread runs at lowest priority
    }
    if (GetMessageA(&message, nullptr, 0, 0) == 0) return static_cast<int>(message.wParam);
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (ForwardToRunningSaver()) return 0;
  if (!RegisterSaverClass(instance)) return 1;
  static SaverWindow saver;  // outlives the window and the message loop
  HWND window = CreateSaverWindow(instance, saver);
  if (window == nullptr) return 1;
  SetForegroundWindow(window);
  return RunMessageLoop(saver);
}
