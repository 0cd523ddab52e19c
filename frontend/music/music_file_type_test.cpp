#include "music_file_type.h"

#include <gtest/gtest.h>

namespace {

TEST(MusicFileTypeTest, LastThreeCharactersInAnyCase) {
  const std::pair<std::string, MusicFileType> cases[] = {
      {"C:\\a.wav", MusicFileType::Wave},
      {"C:\\a.Wav", MusicFileType::Wave},
      {"C:\\b.MP3", MusicFileType::Mp3},
      {"C:\\b.Mp3", MusicFileType::Mp3},
      {"C:\\c.mid", MusicFileType::Other},
      {"C:\\noextension", MusicFileType::Other},
      {"", MusicFileType::Other},
      {"av", MusicFileType::Other},
      // the 'W' is the second byte of a double-byte character
      {"C:\\\x83WAV", MusicFileType::Other},
      {"C:\\\x8B\xC8.wav", MusicFileType::Wave},
  };
  for (const auto& [path, type] : cases) EXPECT_EQ(MusicFileTypeOf(path), type) << path;
}

}  // namespace
