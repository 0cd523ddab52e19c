#pragma once
#include <windows.h>

#include "music_settings.h"
#include "settings_file.h"

// What start-up looks for to refuse a second instance while the dialog is open.
inline constexpr wchar_t kSettingsDialogTitle[] = L"<Miravel>";

// Shows the settings dialog modally, without an owner window, and returns
// once it has closed; its Set button stores `settings` through `file`.
void ShowSettingsDialog(HINSTANCE instance, MusicSettings& settings, SettingsFile& file);
