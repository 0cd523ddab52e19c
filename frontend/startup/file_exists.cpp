#include "file_exists.h"

bool FileExists(FileSystem& files, std::wstring path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return !path.empty() && files.CanOpenForReading(path);
}
