#include "music_settings.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "file_exists.h"

namespace {

const std::wstring kFolder = L"C:\\Saver";
const std::wstring kIni = L"C:\\Saver\\Miravel.ini";

struct LoadCase {
  const char* name;
  std::string kind;  // value texts; nullptr-like "-" leaves the key out
  std::string repeatTrack;
  std::string filePath;
  bool fileFound;
  MusicSettings expected;
};

std::string SettingsText(const LoadCase& c) {
  std::string text = "[Section]\r\n";
  if (c.kind != "-") text += std::string(kKindKey) + "=" + c.kind + "\r\n";
  if (c.repeatTrack != "-") text += std::string(kRepeatTrackKey) + "=" + c.repeatTrack + "\r\n";
  if (c.filePath != "-") text += std::string(kMusicFileKey) + "=" + c.filePath + "\r\n";
  return text;
}

class LoadMusicSettingsTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadMusicSettingsTest, FillsTheRecord) {
  const LoadCase& c = GetParam();
  FakeFileSystem files;
  files.files[kIni] = SettingsText(c);
  const SettingsFile file(files, kFolder, L"");
  MusicSettings settings;
  LoadMusicSettings(
      file, [&](const std::string&) { return c.fileFound; }, settings);
  EXPECT_EQ(settings.kind, c.expected.kind);
  EXPECT_EQ(settings.repeatTrack, c.expected.repeatTrack);
  EXPECT_EQ(settings.filePath, c.expected.filePath);
}

const LoadCase kLoadCases[] = {
    {"MusicFile", "2", "0", "C:\\a.mp3", true, {2, 0, "C:\\a.mp3"}},
    {"AudioCdTrack12", "1", "12", "-", true, {1, 12, ""}},
    {"NothingSet", "-", "-", "-", true, {0, 0, ""}},
    {"DeletedMusicFileMeansNoMusic", "2", "0", "C:\\gone.mp3", false, {0, 0, ""}},
    {"AudioCdKeepsItsKindWithoutTheFile", "1", "3", "C:\\gone.mp3", false, {1, 3, ""}},
    {"NotANumber", "abc", "7x", "-", true, {0, 0, ""}},
    {"RoundedDown", "2.9", "-0.5", "C:\\a.mp3", true, {2, -1, "C:\\a.mp3"}},
    {"Beyond16Bits", "40000", "-32769", "-", true, {0, 0, ""}},
    {"Limits16Bits", "32767", "-32768", "-", true, {32767, -32768, ""}},
    {"OtherNotations", " 1e0 ", "+.5e1", "-", true, {1, 5, ""}},
    {"KindOutsideTheKnownKept", "7", "0", "-", true, {7, 0, ""}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LoadMusicSettingsTest, testing::ValuesIn(kLoadCases),
                         [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(LoadMusicSettingsTest, NoFileGivesTheEmptyRecord) {
  FakeFileSystem files;
  MusicSettings settings;
  LoadMusicSettings(
      SettingsFile(files, kFolder, L""), [](const std::string&) { return true; }, settings);
  EXPECT_EQ(settings.kind, 0);
  EXPECT_EQ(settings.repeatTrack, 0);
  EXPECT_EQ(settings.filePath, "");
}

TEST(SaveMusicSettingsTest, StoresTheKeyBytesAndReadsBack) {
  FakeFileSystem files;
  SettingsFile file(files, kFolder, L"");
  ASSERT_TRUE(SaveMusicSettings(file, {2, 0, "C:\\My Music\\a.wav"}));
  EXPECT_EQ(files.files[kIni],
            "[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA=2\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=0\r\n"
            "BGM\xCC\xA7\xB2\xD9=C:\\My Music\\a.wav\r\n");

  ASSERT_TRUE(SaveMusicSettings(file, {1, -1, ""}));
  MusicSettings loaded;
  LoadMusicSettings(
      file, [](const std::string&) { return true; }, loaded);
  EXPECT_EQ(loaded.kind, 1);
  EXPECT_EQ(loaded.repeatTrack, -1);
  EXPECT_EQ(loaded.filePath, "");
}

TEST(FileExistsTest, OneTrailingBackslashIsDroppedAndFoldersFail) {
  FakeFileSystem files;
  files.files[L"C:\\a.mp3"] = "";
  EXPECT_TRUE(FileExists(files, L"C:\\a.mp3"));
  EXPECT_TRUE(FileExists(files, L"C:\\a.mp3\\"));
  EXPECT_FALSE(FileExists(files, L"C:\\a.mp3\\\\"));
  EXPECT_FALSE(FileExists(files, L"C:\\Music\\"));  // a folder is no file it can open
  EXPECT_FALSE(FileExists(files, L""));
  EXPECT_FALSE(FileExists(files, L"\\"));
}

}  // namespace
