#include "settings_file.h"

#include <optional>

#include "file_exists.h"
#include "ini_codec.h"

namespace {

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty() || folder.back() == L'\\') return folder + name;
  return folder + L"\\" + name;
}

}  // namespace

SettingsFile::SettingsFile(FileSystem& files, const std::wstring& programFolder, const std::wstring& perUserFolder)
    : files_(files),
      perUserFolder_(perUserFolder),
      perUserPath_(perUserFolder.empty() ? std::wstring() : JoinPath(perUserFolder, kSettingsFileName)),
      path_(JoinPath(programFolder, kSettingsFileName)) {
  if (!perUserPath_.empty() && FileExists(files_, perUserPath_)) path_ = perUserPath_;
}

std::string SettingsFile::Read(const std::string& section, const std::string& key) const {
  const FileRead file = files_.Read(path_);
  if (file.outcome != FileRead::Outcome::Read) return std::string();
  return ReadIniValue(file.bytes, section, key);
}

bool SettingsFile::Write(const std::string& section, const std::string& key, const std::string& value) {
  const FileRead current = files_.Read(path_);
  const bool readable = current.outcome != FileRead::Outcome::Failed;
  const std::string base = current.outcome == FileRead::Outcome::Read ? current.bytes : std::string();
  const std::optional<std::string> updated = WriteIniValue(base, section, key, value);
  if (!updated) return false;
  // A file that exists but cannot be read is never overwritten: its other
  // contents would be lost.
  if (readable && Commit(path_, *updated)) return true;

  if (perUserPath_.empty() || path_ == perUserPath_ || !files_.MakeFolder(perUserFolder_)) return false;
  if (!Commit(perUserPath_, *updated)) return false;
  path_ = perUserPath_;
  return true;
}

bool SettingsFile::Commit(const std::wstring& path, const std::string& bytes) {
  const std::wstring temporary = path + L".tmp";
  if (files_.Write(temporary, bytes) && files_.Replace(temporary, path)) return true;
  files_.Remove(temporary);
  return false;
}
