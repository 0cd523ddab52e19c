#pragma once
#include <string>

#include "mci_port.h"
#include "music_settings.h"

// Plays the audio CD through the MCI device "cdaudio": the whole disc over
// and over, or one track that a step pulls playback back to whenever the
// drive has moved on.
class CdPlayer {
 public:
  CdPlayer(MciPort& mci, const MusicSettings& settings) : mci_(mci), settings_(settings) {}

  void Open();
  // One step of the 200 ms poll; false once the drive has failed, which ends
  // the polling for good.
  bool Step();
  void Close();

 private:
  // The reply, or "Error:" and the code when the command failed.
  std::string Query(const std::string& command);
  void Play(const std::string& start);

  MciPort& mci_;
  const MusicSettings& settings_;
  std::string modeReply_;  // a failed mode query leaves the previous reply
};
