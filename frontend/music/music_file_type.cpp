#include "music_file_type.h"

#include <vector>

#include "cp932.h"

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

MusicFileType MusicFileTypeOf(const std::string& path) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < path.size(); i += Cp932CharLength(path, i)) starts.push_back(i);
  if (starts.size() < 3) return MusicFileType::Other;

  std::string ending;
  for (std::size_t k = starts.size() - 3; k < starts.size(); ++k) {
    if (Cp932CharLength(path, starts[k]) != 1) return MusicFileType::Other;
    ending += UpperAscii(path[starts[k]]);
  }
  if (ending == "WAV") return MusicFileType::Wave;
  if (ending == "MP3") return MusicFileType::Mp3;
  return MusicFileType::Other;
}
