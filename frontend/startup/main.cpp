#include <windows.h>

#include "file_exists.h"
#include "host_window.h"
#include "music_settings.h"
#include "preview_window.h"
#include "program_folders.h"
#include "settings_dialog_entry.h"
#include "settings_file.h"
#include "startup_mode.h"
#include "win32_cp932.h"
#include "win32_file_system.h"

namespace {

// Only these two titles block a start; a renderer running alone does not.
bool AnotherInstanceRunning() {
  const bool hostRunning = FindWindowW(nullptr, kHostWindowTitle) != nullptr;
  const bool dialogOpen = FindWindowW(nullptr, kSettingsDialogTitle) != nullptr;
  return hostRunning || dialogOpen;
}

void ShowRendererMissing() {
  // "Miravel.dll が Miravel.scr と同じﾌｫﾙﾀﾞに見つかりません！", shown from UTF-16 so
  // it reads right on every display language.
  MessageBoxW(nullptr,
              L"Miravel.dll \u304C Miravel.scr \u3068\u540C\u3058\uFF8C\uFF6B\uFF99\uFF80\uFF9E"
              L"\u306B\u898B\u3064\u304B\u308A\u307E\u305B\u3093\uFF01",
              L"Miravel (ScreenSaver)", MB_OK);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (AnotherInstanceRunning()) return 0;
  const std::wstring arguments = ArgumentText(GetCommandLineW());
  const StartupMode mode = ChooseStartupMode(arguments);
  if (mode == StartupMode::Preview) return RunPreview(instance, PreviewParentHandle(arguments));

  Win32FileSystem files;
  const std::wstring programFolder = ProgramFolder();
  SettingsFile settingsFile(files, programFolder, PerUserSettingsFolder());
  MusicSettings musicSettings;  // the process-wide settings record, alive until the process ends
  LoadMusicSettings(
      settingsFile, [&files](const std::string& path) { return FileExists(files, DecodeCp932(path)); }, musicSettings);

  const std::wstring rendererPath = programFolder + L"\\Miravel.dll";
  if (!FileExists(files, rendererPath)) {
    ShowRendererMissing();
    return 0;
  }
  switch (mode) {
    case StartupMode::Configure:
      ShowSettingsDialog(instance, musicSettings, settingsFile);
      return 0;
    case StartupMode::Run:
      ShowCursor(FALSE);
      return RunSaverHost(instance, musicSettings, rendererPath, true);
    case StartupMode::RunKeepingCursor:
      return RunSaverHost(instance, musicSettings, rendererPath, false);
    default:
      return 0;
  }
}
