#include "cd_player.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "number_text.h"

namespace {

constexpr std::size_t kQueryReplyCapacity = 512;
constexpr std::size_t kModeReplyCapacity = 255;

bool IsErrorReply(std::string reply) {
  std::transform(reply.begin(), reply.end(), reply.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return reply.find("ERR") != std::string::npos;
}

}  // namespace

std::string CdPlayer::Query(const std::string& command) {
  MciReply reply = mci_.Send(command, kQueryReplyCapacity);
  return reply.code == 0 ? reply.text : "Error:" + std::to_string(reply.code);
}

void CdPlayer::Play(const std::string& start) {
  mci_.Send(start.empty() ? "play cdaudio" : "play cdaudio from " + start, 0);
}

void CdPlayer::Open() {
  mci_.Send("open cdaudio", 0);
  mci_.Send("set cdaudio time format tmsf", 0);
}

bool CdPlayer::Step() {
  const std::string track = Query("status cdaudio current track");
  if (IsErrorReply(track)) return false;
  if (IsErrorReply(Query("status cdaudio number of tracks"))) return false;

  MciReply mode = mci_.Send("status cdaudio mode", kModeReplyCapacity);
  if (mode.code == 0) modeReply_ = mode.text;
  const bool stopped = modeReply_.compare(0, 7, "stopped") == 0;

  const std::int16_t repeatTrack = settings_.repeatTrack;
  if (repeatTrack == 0) {
    if (stopped) Play(std::string());
    return true;
  }
  // A track reply that is no number leaves nothing to compare with.
  const std::optional<double> currentTrack = ReadNumber(track);
  if (!currentTrack) return false;
  if (stopped || *currentTrack != repeatTrack) {
    Play(Query("status cdaudio position track " + std::to_string(repeatTrack)));
  }
  return true;
}

void CdPlayer::Close() {
  mci_.Send("stop cdaudio", 0);
  mci_.Send("close cdaudio", 0);
}
