#include "frame_clock.h"

float FrameClock::NextStep() {
  if (!started_) {
    last_ = readMilliseconds_();
    started_ = true;
  }
  const std::uint32_t previous = last_;
  const std::uint32_t now = readMilliseconds_();
  last_ = now;
  if (now >= previous) step_ = static_cast<float>(now - previous) * 0.001f;
  return step_;
}
