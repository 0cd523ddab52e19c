#pragma once
#include "saver_event.h"

struct ScreenPoint {
  long x;
  long y;
};

// What the close rules need of the platform.
class SaverPlatform {
 public:
  virtual ~SaverPlatform() = default;
  virtual ScreenPoint CursorPosition() = 0;
  virtual void PostClose() = 0;
  virtual void HideCursor() = 0;
  // Runs the system's password check where there is one; true when the saver
  // may close.
  virtual bool VerifyClose() = 0;
};

// Either the message gets the default window handling, or it is answered
// here with `result`.
struct SaverReply {
  bool useDefault;
  long result;
};

// Ends the saver on a key, a button, loss of activation or a mouse movement
// of more than 4 pixels; the very first mouse message never arms closing.
class CloseRules {
 public:
  explicit CloseRules(SaverPlatform& platform) : platform_(platform) {}

  // At window creation: movement is measured from here on.
  void Begin();
  SaverReply Handle(SaverEvent event);
  bool PasswordDialogOpen() const { return passwordDialogOpen_; }

  static constexpr long kMovementThreshold = 4;

 private:
  SaverReply OnClose();
  void RequestClose();
  void OnMouseMove();

  SaverPlatform& platform_;
  bool closeAllowed_ = false;
  bool firstMoveSeen_ = false;
  bool passwordDialogOpen_ = false;
  ScreenPoint reference_{0, 0};
};
