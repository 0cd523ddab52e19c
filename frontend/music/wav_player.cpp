#include "wav_player.h"

void PlayWav(SoundPort& sound, const std::string& path) {
  if (sound.WaveOutputDeviceCount() > 0) sound.PlayLooping(path);
}

void StopWav(SoundPort& sound) { sound.Stop(); }
