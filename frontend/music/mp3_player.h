#pragma once
#include <string>

#include "mci_port.h"
#include "music_settings.h"

// Plays the MP3 music file through the MCI alias "MP3Play"; a once-a-second
// check starts it again from the beginning when it has finished.
class Mp3Player {
 public:
  Mp3Player(MciPort& mci, const MusicSettings& settings) : mci_(mci), settings_(settings) {}

  void Play();
  bool IsPlaying();
  void RestartIfStopped();
  void Close();

 private:
  MciPort& mci_;
  const MusicSettings& settings_;
  std::string modeReply_;  // a failed mode query leaves the previous reply
};
