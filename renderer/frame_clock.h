#pragma once
#include <cstdint>
#include <functional>

// Turns millisecond counter readings into the scene-wide time step.
class FrameClock {
 public:
  explicit FrameClock(std::function<std::uint32_t()> readMilliseconds)
      : readMilliseconds_(std::move(readMilliseconds)) {}

  // Seconds since the previous frame. The first frame measures from a reading
  // taken just before, so it runs with a step of about 0. When the 32-bit
  // counter wraps (every 49.7 days) the frame reuses the previous step.
  float NextStep();

 private:
  std::function<std::uint32_t()> readMilliseconds_;
  bool started_ = false;
  std::uint32_t last_ = 0;
  float step_ = 0.0f;
};
