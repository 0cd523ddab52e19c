#include "win32_sound_port.h"

#include <windows.h>
// NOTE: MinGW's mmsystem.h needs windows.h before it.
#include <mmsystem.h>

#include "win32_cp932.h"

unsigned Win32SoundPort::WaveOutputDeviceCount() { return waveOutGetNumDevs(); }

void Win32SoundPort::PlayLooping(const std::string& path) {
  // SND_NODEFAULT: a file that cannot be played must give silence, not the
  // system's default sound over and over.
  PlaySoundW(DecodeCp932(path).c_str(), nullptr, SND_ASYNC | SND_LOOP | SND_NODEFAULT);
}

void Win32SoundPort::Stop() { PlaySoundW(nullptr, nullptr, 0); }
