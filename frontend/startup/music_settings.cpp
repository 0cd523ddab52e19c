#include "music_settings.h"

#include <optional>

#include "number_text.h"

namespace {

void ReadWholeNumber(const SettingsFile& file, const char* key, std::int16_t& field) {
  const std::string text = file.Read(kSettingsSection, key);
  if (text.empty()) {
    field = 0;
    return;
  }
  const std::optional<double> number = ReadNumber(text);
  if (!number) return;
  if (const std::optional<std::int16_t> whole = WholeInt16(*number)) field = *whole;
}

}  // namespace

void LoadMusicSettings(const SettingsFile& file, const std::function<bool(const std::string& path)>& fileExists,
                       MusicSettings& settings) {
  ReadWholeNumber(file, kKindKey, settings.kind);
  ReadWholeNumber(file, kRepeatTrackKey, settings.repeatTrack);
  settings.filePath = file.Read(kSettingsSection, kMusicFileKey);
  if (settings.filePath.empty() || !fileExists(settings.filePath)) {
    settings.filePath.clear();
    if (settings.kind == kMusicFile) settings.kind = kNoMusic;
  }
}

bool SaveMusicSettings(SettingsFile& file, const MusicSettings& settings) {
  const bool kindStored = file.Write(kSettingsSection, kKindKey, std::to_string(settings.kind));
  const bool trackStored = file.Write(kSettingsSection, kRepeatTrackKey, std::to_string(settings.repeatTrack));
  const bool pathStored = file.Write(kSettingsSection, kMusicFileKey, settings.filePath);
  return kindStored && trackStored && pathStored;
}
