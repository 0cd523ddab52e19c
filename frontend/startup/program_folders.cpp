#include "program_folders.h"

#include <windows.h>
// NOTE: MinGW's shlobj.h needs windows.h before it.
#include <shlobj.h>

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.rfind(L'\\'));
}

std::wstring PerUserSettingsFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) return std::wstring();
  return std::wstring(folder) + L"\\Miravel";
}
