#pragma once
#include <string>

#include "file_system.h"

inline constexpr wchar_t kSettingsFileName[] = L"Miravel.ini";

// The one INI file the settings are kept in: the per-user file when it
// exists, otherwise the file beside the program. A save that the program's
// folder refuses (a saver installed where a standard user may not write)
// goes to the per-user file instead, which is read from then on.
class SettingsFile {
 public:
  // `perUserFolder` is empty when the system names no such folder.
  SettingsFile(FileSystem& files, const std::wstring& programFolder, const std::wstring& perUserFolder);

  std::string Read(const std::string& section, const std::string& key) const;

  // Replaces the file in one step (a temporary file beside it, then a move),
  // so a failure never leaves it half written. True when the value is stored.
  bool Write(const std::string& section, const std::string& key, const std::string& value);

  const std::wstring& Path() const { return path_; }

 private:
  bool Commit(const std::wstring& path, const std::string& bytes);

  FileSystem& files_;
  std::wstring perUserFolder_;
  std::wstring perUserPath_;
  std::wstring path_;
};
