#pragma once
#include <string>

#include "sound_port.h"

// Loops the wave file until StopWav; without an output device nothing plays.
void PlayWav(SoundPort& sound, const std::string& path);
void StopWav(SoundPort& sound);
