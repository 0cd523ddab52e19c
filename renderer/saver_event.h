#pragma once
#include <cstdint>

// The window messages the saver reacts to.
enum class SaverEvent {
  Close,
  Shown,           // WM_SHOWWINDOW showing the window
  ActivationLost,  // WM_ACTIVATEAPP for another program
  KeyDown,         // any key, system keys such as Alt included
  ButtonDown,      // left, right or middle
  SetCursor,
  MouseMove,
  Other,
};

SaverEvent DecodeSaverEvent(unsigned message, std::uintptr_t wParam);
