#pragma once
#include "file_system.h"

class Win32FileSystem : public FileSystem {
 public:
  FileRead Read(const std::wstring& path) override;
  bool Write(const std::wstring& path, const std::string& bytes) override;
  bool Replace(const std::wstring& source, const std::wstring& target) override;
  void Remove(const std::wstring& path) override;
  bool CanOpenForReading(const std::wstring& path) override;
  bool MakeFolder(const std::wstring& path) override;
};
