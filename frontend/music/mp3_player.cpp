#include "mp3_player.h"

namespace {
constexpr std::size_t kModeReplyCapacity = 30;
}

void Mp3Player::Play() {
  // The quotes keep a path with spaces in one piece.
  const MciReply opened = mci_.Send("open \"" + settings_.filePath + "\" type MPEGVideo Alias MP3Play", 0);
  if (opened.code == 0) mci_.Send("play MP3Play", 0);
}

bool Mp3Player::IsPlaying() {
  MciReply mode = mci_.Send("status MP3Play mode", kModeReplyCapacity);
  if (mode.code == 0) modeReply_ = mode.text;
  return modeReply_.compare(0, 7, "playing") == 0;
}

void Mp3Player::RestartIfStopped() {
  if (IsPlaying()) return;
  mci_.Send("stop MP3Play", 0);
  mci_.Send("play MP3Play from 0", 0);
}

void Mp3Player::Close() {
  mci_.Send("stop MP3Play", 0);
  mci_.Send("close MP3Play", 0);
}
