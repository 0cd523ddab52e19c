#include "win32_file_system.h"

#include <windows.h>

#include "scoped_handle.h"

namespace {

HANDLE OpenForReading(const std::wstring& path) {
  return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

}  // namespace

FileRead Win32FileSystem::Read(const std::wstring& path) {
  ScopedHandle file(OpenForReading(path));
  if (!file.Valid()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? FileRead::Outcome::Missing : FileRead::Outcome::Failed, std::string()};
  }
  std::string bytes;
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(file.Get(), buffer, sizeof(buffer), &count, nullptr)) {
    if (count == 0) return {FileRead::Outcome::Read, bytes};
    bytes.append(buffer, count);
  }
  return {FileRead::Outcome::Failed, std::string()};
}

bool Win32FileSystem::Write(const std::wstring& path, const std::string& bytes) {
  ScopedHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  if (!WriteFile(file.Get(), bytes.data(), size, &written, nullptr) || written != size) return false;
  return FlushFileBuffers(file.Get()) != FALSE;
}

bool Win32FileSystem::Replace(const std::wstring& source, const std::wstring& target) {
  return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void Win32FileSystem::Remove(const std::wstring& path) { DeleteFileW(path.c_str()); }

bool Win32FileSystem::CanOpenForReading(const std::wstring& path) {
  // A folder cannot be opened this way (that needs FILE_FLAG_BACKUP_SEMANTICS).
  return ScopedHandle(OpenForReading(path)).Valid();
}

bool Win32FileSystem::MakeFolder(const std::wstring& path) {
  return CreateDirectoryW(path.c_str(), nullptr) != FALSE || GetLastError() == ERROR_ALREADY_EXISTS;
}
