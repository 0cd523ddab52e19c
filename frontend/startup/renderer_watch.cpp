#include "renderer_watch.h"

bool RendererWatch::Ended(bool windowExists, std::uint32_t nowMs) {
  if (!rendererStarted_) return true;
  if (windowExists) {
    windowSeen_ = true;
    return false;
  }
  if (windowSeen_) return true;
  // Unsigned difference: right across the 49.7-day wrap of the counter.
  return nowMs - startMs_ >= kAppearanceLimitMs;
}
