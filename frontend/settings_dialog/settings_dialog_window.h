#pragma once
#include <windows.h>

#include "music_settings.h"
#include "settings_file.h"

// Shows the settings dialog "<Miravel>" and returns once it has closed. It
// edits `settings` in place and writes them through `file` only on Set.
void RunSettingsDialog(HINSTANCE instance, MusicSettings& settings, SettingsFile& file);
