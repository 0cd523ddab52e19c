#pragma once
#include "sound_port.h"

class Win32SoundPort : public SoundPort {
 public:
  unsigned WaveOutputDeviceCount() override;
  void PlayLooping(const std::string& path) override;
  void Stop() override;
};
