#pragma once
#include <windows.h>

#include "close_rules.h"
#include "frame_clock.h"
#include "scene.h"

inline constexpr char kSaverClassName[] = "WindowsScreenSaverClass";
inline constexpr char kSaverCreationTitle[] = "Screensaver";
inline constexpr int kBlankIconId = 7002;

// The close rules' view of Windows for one saver window.
class Win32SaverPlatform : public SaverPlatform {
 public:
  HWND window = nullptr;
  ScreenPoint CursorPosition() override;
  void PostClose() override;
  void HideCursor() override;
  bool VerifyClose() override;
};

// All state of the one saver window, attached to it at creation.
struct SaverWindow {
  Win32SaverPlatform platform;
  CloseRules closeRules{platform};
  Scene scene;
  FrameClock clock{[] { return static_cast<std::uint32_t>(timeGetTime()); }};
  bool ready = false;  // frames are drawn only while the scene exists
};

bool RegisterSaverClass(HINSTANCE instance);
HWND CreateSaverWindow(HINSTANCE instance, SaverWindow& saver);

// Draws a frame unless the scene is gone or the password dialog is open.
void RunIdleStep(SaverWindow& saver);
