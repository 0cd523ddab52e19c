#include "close_rules.h"

#include <cstdlib>

namespace {
constexpr SaverReply kDefault{true, 0};
}

void CloseRules::Begin() {
  reference_ = platform_.CursorPosition();
  platform_.HideCursor();
}

SaverReply CloseRules::Handle(SaverEvent event) {
  if (event == SaverEvent::Close) return OnClose();
  // The password dialog runs inside our own thread's message handling: input
  // reaching the saver window meanwhile must not re-enter the close rules.
  if (passwordDialogOpen_) return kDefault;

  switch (event) {
    case SaverEvent::Shown:
      platform_.HideCursor();
      break;
    case SaverEvent::ActivationLost:
    case SaverEvent::KeyDown:
    case SaverEvent::ButtonDown:
      RequestClose();
      break;
    case SaverEvent::SetCursor:
      platform_.HideCursor();
      return {false, 1};
    case SaverEvent::MouseMove:
      OnMouseMove();
      break;
    default:
      break;
  }
  return kDefault;
}

SaverReply CloseRules::OnClose() {
  if (!closeAllowed_) return {false, 0};
  passwordDialogOpen_ = true;
  const bool mayClose = platform_.VerifyClose();
  passwordDialogOpen_ = false;
  if (!mayClose) {
    // Measure from where the user left the mouse, so the next touch asks again.
    reference_ = platform_.CursorPosition();
    return {false, 0};
  }
  return kDefault;
}

void CloseRules::RequestClose() {
  closeAllowed_ = true;
  platform_.PostClose();
}

void CloseRules::OnMouseMove() {
  // Windows sends one WM_MOUSEMOVE when the window appears under the pointer;
  // only the messages after it count as the user moving the mouse.
  if (!firstMoveSeen_) {
    firstMoveSeen_ = true;
  } else {
    closeAllowed_ = true;
  }
  const ScreenPoint cursor = platform_.CursorPosition();
  const long distance = std::labs(reference_.x - cursor.x) + std::labs(reference_.y - cursor.y);
  if (distance > kMovementThreshold) {
    platform_.PostClose();
  } else {
    reference_ = cursor;  // small steps drag the reference along
  }
}
