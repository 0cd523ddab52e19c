#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "file_system.h"

// Files in memory. A folder listed in `readOnlyFolders` refuses new files,
// one in `unreadable` cannot be opened, `refuseReplace` fails every
// replace; `log` records the changing calls.
class FakeFileSystem : public FileSystem {
 public:
  FileRead Read(const std::wstring& path) override {
    if (unreadable.count(path) > 0) return {FileRead::Outcome::Failed, std::string()};
    const auto found = files.find(path);
    if (found == files.end()) return {FileRead::Outcome::Missing, std::string()};
    return {FileRead::Outcome::Read, found->second};
  }

  bool Write(const std::wstring& path, const std::string& bytes) override {
    log.push_back(L"write " + path);
    if (!Writable(path)) return false;
    files[path] = bytes;
    return true;
  }

  bool Replace(const std::wstring& source, const std::wstring& target) override {
    log.push_back(L"replace " + source + L" -> " + target);
    const auto found = files.find(source);
    if (refuseReplace || found == files.end() || !Writable(target)) return false;
    files[target] = found->second;
    files.erase(found);
    return true;
  }

  void Remove(const std::wstring& path) override {
    log.push_back(L"remove " + path);
    files.erase(path);
  }

  bool CanOpenForReading(const std::wstring& path) override {
    return files.count(path) > 0 && unreadable.count(path) == 0;
  }

  bool MakeFolder(const std::wstring& path) override {
    log.push_back(L"folder " + path);
    return Writable(path);
  }

  std::map<std::wstring, std::string> files;
  std::set<std::wstring> readOnlyFolders;
  std::set<std::wstring> unreadable;
  bool refuseReplace = false;
  std::vector<std::wstring> log;

 private:
  bool Writable(const std::wstring& path) const {
    const std::wstring folder = path.substr(0, path.rfind(L'\\'));
    return readOnlyFolders.count(folder) == 0;
  }
};
