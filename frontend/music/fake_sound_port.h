#pragma once
#include <string>
#include <vector>

#include "sound_port.h"

class FakeSoundPort : public SoundPort {
 public:
  unsigned WaveOutputDeviceCount() override { return devices; }
  void PlayLooping(const std::string& path) override { calls.push_back("loop " + path); }
  void Stop() override { calls.push_back("stop"); }

  unsigned devices = 1;
  std::vector<std::string> calls;
};
