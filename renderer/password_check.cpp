#include "password_check.h"

namespace {

using VerifyScreenSavePwdFunction = BOOL(WINAPI*)(HWND);

bool IsWindows9x() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  GetVersionExA(&version);
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace

bool VerifyCloseWithPassword(HWND window) {
  if (!IsWindows9x()) return true;
  HMODULE library = LoadLibraryA("PASSWORD.CPL");
  if (library == nullptr) return true;
  const auto verify =
      reinterpret_cast<VerifyScreenSavePwdFunction>(reinterpret_cast<void*>(GetProcAddress(library, "VerifyScreenSavePwd")));
  if (verify == nullptr) {
    FreeLibrary(library);
    return true;
  }
  // NOTE: on Windows 9x the system blocks Ctrl+Alt+Del and task switching
  // only while it believes a saver runs; the password dialog needs that.
  UINT previous = 0;
  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previous, 0);
  const BOOL mayClose = verify(window);
  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, &previous, 0);
  FreeLibrary(library);
  return mayClose != 0;
}
