#pragma once
#include <string>

// The platform's sound player for wave files.
class SoundPort {
 public:
  virtual ~SoundPort() = default;
  virtual unsigned WaveOutputDeviceCount() = 0;
  // Plays the file (code page 932 path) in a loop in the background; a file
  // that cannot be played gives silence, never a substitute sound.
  virtual void PlayLooping(const std::string& path) = 0;
  // Stops whatever this process is playing.
  virtual void Stop() = 0;
};
