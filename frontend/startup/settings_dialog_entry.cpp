#include "settings_dialog_entry.h"

void ShowSettingsDialog(HINSTANCE, MusicSettings&, SettingsFile&) {
  // The settings dialog is not built yet: until it is, the configure switch
  // ends here, once the renderer check has passed.
}
