#include "music_choice.h"

#include "music_settings.h"

ChoiceEnabling EnablingFor(std::int16_t kind) { return {kind == kAudioCd, kind == kMusicFile}; }
