#pragma once
#include <string>

struct FileRead {
  enum class Outcome { Read, Missing, Failed };
  Outcome outcome;
  std::string bytes;
};

// The file calls the settings need. Paths are UTF-16 on Windows.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual FileRead Read(const std::wstring& path) = 0;
  // Creates or empties the file and writes all of `bytes` through to the
  // disk; false when any part of that failed.
  virtual bool Write(const std::wstring& path, const std::string& bytes) = 0;
  // Moves `source` over `target` in one step: afterwards `target` is either
  // wholly the old file or wholly the new one.
  virtual bool Replace(const std::wstring& source, const std::wstring& target) = 0;
  virtual void Remove(const std::wstring& path) = 0;
  virtual bool CanOpenForReading(const std::wstring& path) = 0;
  // True when the folder exists afterwards.
  virtual bool MakeFolder(const std::wstring& path) = 0;
};
