#pragma once
#include <cstdint>

// Tells from the renderer window's presence at each 50 ms tick when the saver
// has ended. The window must first have been seen: a renderer that starts
// slowly (usual under load) would otherwise be taken for one that has ended,
// and run on alone without music.
class RendererWatch {
 public:
  static constexpr std::uint32_t kAppearanceLimitMs = 10000;

  RendererWatch(bool rendererStarted, std::uint32_t startMs) : rendererStarted_(rendererStarted), startMs_(startMs) {}

  // True when the front end should shut down: the window has gone after
  // being seen, the renderer never started, or no window appeared in time.
  bool Ended(bool windowExists, std::uint32_t nowMs);

 private:
  bool rendererStarted_;
  std::uint32_t startMs_;
  bool windowSeen_ = false;
};
