#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "settings_file.h"

inline constexpr std::int16_t kNoMusic = 0;
inline constexpr std::int16_t kAudioCd = 1;
inline constexpr std::int16_t kMusicFile = 2;

// The front end's one settings record: which background music to play.
struct MusicSettings {
  std::int16_t kind = kNoMusic;  // kNoMusic, kAudioCd or kMusicFile; other values play nothing
  std::int16_t repeatTrack = 0;  // audio CD: the track to repeat, 0 for the whole disc
  std::string filePath;          // MP3 or WAV file, code page 932 as stored
};

// Section and key names in the file, code page 932 bytes ("BGM区分",
// "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ"; the katakana are the half-width forms).
inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kKindKey[] = "BGM\x8B\xE6\x95\xAA";
inline constexpr char kRepeatTrackKey[] = "BGM\xD8\xCB\xDF\xB0\xC4";
inline constexpr char kMusicFileKey[] = "BGM\xCC\xA7\xB2\xD9";

// Fills `settings` from the file. A number that cannot be read, or lies
// outside 16 bits, leaves its field as it was; a music file that
// `fileExists` rejects is forgotten, and a music-file kind with it.
void LoadMusicSettings(const SettingsFile& file, const std::function<bool(const std::string& path)>& fileExists,
                       MusicSettings& settings);

// Stores the three values in the order kind, repeat track, file; true when
// all three were stored.
bool SaveMusicSettings(SettingsFile& file, const MusicSettings& settings);
