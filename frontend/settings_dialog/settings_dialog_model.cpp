#include "settings_dialog_model.h"

#include "track_box.h"

namespace {
// The settings reader hands back at most this many bytes of a value.
constexpr std::size_t kLongestStoredValue = 255;
}  // namespace

std::wstring SettingsDialogModel::TrackBoxText() const { return TrackText(settings_.repeatTrack); }

SettingsDialogModel::FileChoice SettingsDialogModel::ChooseFile(const std::wstring& path) {
  const std::optional<std::string> stored = encode_(path);
  if (!stored || stored->size() > kLongestStoredValue) return FileChoice::NotStorable;
  settings_.filePath = *stored;
  return FileChoice::Taken;
}

SettingsDialogModel::SaveOutcome SettingsDialogModel::Save(std::wstring_view trackBoxText) {
  settings_.repeatTrack = TrackFromText(trackBoxText);
  return SaveMusicSettings(file_, settings_) ? SaveOutcome::Saved : SaveOutcome::NotWritten;
}
