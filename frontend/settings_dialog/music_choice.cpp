#include "music_choice.h"

namespace {
constexpr std::int16_t kAudioCd = 1;
constexpr std::int16_t kMusicFile = 2;
}  // namespace

ChoiceEnabling EnablingFor(std::int16_t kind) { return {kind == kAudioCd, kind == kMusicFile}; }
