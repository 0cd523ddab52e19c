#pragma once
#include <windows.h>

// A window timer that is killed when it goes out of scope.
class WindowTimer {
 public:
  WindowTimer(UINT_PTR id, UINT intervalMs) : id_(id), intervalMs_(intervalMs) {}
  ~WindowTimer() { Stop(); }
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;

  void Start(HWND window) {
    window_ = window;
    running_ = SetTimer(window, id_, intervalMs_, nullptr) != 0;
  }
  void Stop() {
    if (running_) KillTimer(window_, id_);
    running_ = false;
  }
  // Follows the state the core decided on.
  void Keep(HWND window, bool running) {
    if (running && !running_) Start(window);
    if (!running) Stop();
  }
  UINT_PTR Id() const { return id_; }

 private:
  UINT_PTR id_;
  UINT intervalMs_;
  HWND window_ = nullptr;
  bool running_ = false;
};
