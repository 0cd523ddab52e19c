#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cp932.h"
#include "music_choice.h"
#include "music_settings.h"
#include "settings_file.h"

// Code page 932 bytes of a text, or nothing when a character has no exact
// counterpart there (no best-fit substitutes).
using Cp932Encoder = std::function<std::optional<std::string>(const std::wstring& text)>;

// What the settings dialog decides, apart from its windows: it edits the
// process-wide settings in place and writes them only on Set.
class SettingsDialogModel {
 public:
  SettingsDialogModel(MusicSettings& settings, SettingsFile& file, Cp932Encoder encode, Cp932Decoder decode)
      : settings_(settings), file_(file), encode_(std::move(encode)), decode_(std::move(decode)) {}

  std::int16_t Kind() const { return settings_.kind; }
  ChoiceEnabling Enabling() const { return EnablingFor(settings_.kind); }
  // The track box as the dialog opens.
  std::wstring TrackBoxText() const;
  std::wstring FileLabel() const { return decode_(settings_.filePath); }

  // Takes effect at once; nothing is written until Set.
  void ChooseKind(std::int16_t kind) { settings_.kind = kind; }

  enum class FileChoice { Taken, NotStorable };
  // A path the settings file cannot hold exactly (a character outside code
  // page 932, or longer than a value read back can be) is refused and the
  // previous choice stays.
  FileChoice ChooseFile(const std::wstring& path);

  enum class SaveOutcome { Saved, NotWritten };
  // Set: the track from the box's text, then kind, track and file written in
  // that order.
  SaveOutcome Save(std::wstring_view trackBoxText);
  // The file the settings were last read from or written to.
  const std::wstring& SettingsPath() const { return file_.Path(); }

 private:
  MusicSettings& settings_;
  SettingsFile& file_;
  Cp932Encoder encode_;
  Cp932Decoder decode_;
};
