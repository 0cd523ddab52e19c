#pragma once
#include <windows.h>

// Windows created on this thread while it lives are drawn at 96 dots per
// inch and scaled up by the system on denser screens. The dialog is laid out
// pixel for pixel at 96 dots per inch; the program as a whole declares itself
// aware of the screen's density for the preview's sake.
class SystemScaledScope {
 public:
  SystemScaledScope();
  ~SystemScaledScope();
  SystemScaledScope(const SystemScaledScope&) = delete;
  SystemScaledScope& operator=(const SystemScaledScope&) = delete;

 private:
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  SetContext setContext_ = nullptr;
  HANDLE previous_ = nullptr;
};
