#include "settings_dialog_entry.h"

#include "settings_dialog_window.h"

void ShowSettingsDialog(HINSTANCE instance, MusicSettings& settings, SettingsFile& file) {
  RunSettingsDialog(instance, settings, file);
}
