#include "saver_event.h"

namespace {
// The Windows message numbers, fixed since Windows 1.0.
enum : unsigned {
  kWmShowWindow = 0x0018,
  kWmClose = 0x0010,
  kWmActivateApp = 0x001C,
  kWmSetCursor = 0x0020,
  kWmKeyDown = 0x0100,
  kWmSysKeyDown = 0x0104,
  kWmMouseMove = 0x0200,
  kWmLButtonDown = 0x0201,
  kWmRButtonDown = 0x0204,
  kWmMButtonDown = 0x0207,
};
}  // namespace

SaverEvent DecodeSaverEvent(unsigned message, std::uintptr_t wParam) {
  switch (message) {
    case kWmClose:
      return SaverEvent::Close;
    case kWmShowWindow:
      return wParam != 0 ? SaverEvent::Shown : SaverEvent::Other;
    case kWmActivateApp:
      return wParam == 0 ? SaverEvent::ActivationLost : SaverEvent::Other;
    case kWmKeyDown:
    case kWmSysKeyDown:
      return SaverEvent::KeyDown;
    case kWmLButtonDown:
    case kWmRButtonDown:
    case kWmMButtonDown:
      return SaverEvent::ButtonDown;
    case kWmSetCursor:
      return SaverEvent::SetCursor;
    case kWmMouseMove:
      return SaverEvent::MouseMove;
    default:
      return SaverEvent::Other;
  }
}
