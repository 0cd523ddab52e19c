#include "settings_dialog_model.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"

namespace {

const std::wstring kProgramFolder = L"C:\\Saver";
const std::wstring kBeside = L"C:\\Saver\\Miravel.ini";
const std::wstring kUserFolder = L"C:\\Users\\u\\AppData\\Roaming\\Miravel";
const std::wstring kPerUser = L"C:\\Users\\u\\AppData\\Roaming\\Miravel\\Miravel.ini";

// ASCII and one kanji (音, 89 B9) stand for code page 932; anything else has
// no counterpart there.
std::optional<std::string> FakeEncode(const std::wstring& text) {
  std::string bytes;
  for (wchar_t c : text) {
    if (c == L'\u97F3') {
      bytes += "\x89\xB9";
    } else if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else {
      return std::nullopt;
    }
  }
  return bytes;
}

std::wstring FakeDecode(const std::string& bytes) {
  std::wstring text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes.compare(i, 2, "\x89\xB9") == 0) {
      text += L'\u97F3';
      ++i;
    } else {
      text += static_cast<wchar_t>(bytes[i]);
    }
  }
  return text;
}

class SettingsDialogModelTest : public testing::Test {
 protected:
  SettingsDialogModel Open() { return SettingsDialogModel(settings, file, FakeEncode, FakeDecode); }

  FakeFileSystem files;
  SettingsFile file{files, kProgramFolder, kUserFolder};
  MusicSettings settings;
};

TEST_F(SettingsDialogModelTest, SetWritesKindTrackAndFileInThatOrder) {
  settings.filePath = "C:\\old.mp3";
  SettingsDialogModel model = Open();
  model.ChooseKind(kAudioCd);
  ASSERT_EQ(model.ChooseFile(L"C:\\\u97F3\\a.mp3"), SettingsDialogModel::FileChoice::Taken);
  EXPECT_EQ(model.FileLabel(), L"C:\\\u97F3\\a.mp3");

  EXPECT_EQ(model.Save(L" 2.5 "), SettingsDialogModel::SaveOutcome::Saved);
  EXPECT_EQ(settings.repeatTrack, 2);
  EXPECT_EQ(files.files[kBeside],
            "[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA=1\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=2\r\n"
            "BGM\xCC\xA7\xB2\xD9=C:\\\x89\xB9\\a.mp3\r\n");
}

TEST_F(SettingsDialogModelTest, SetGoesToThePerUserFileWhenTheProgramFolderRefuses) {
  files.readOnlyFolders.insert(kProgramFolder);
  SettingsDialogModel model = Open();
  EXPECT_EQ(model.Save(L""), SettingsDialogModel::SaveOutcome::Saved);
  EXPECT_EQ(model.SettingsPath(), kPerUser);
  EXPECT_EQ(files.files.count(kPerUser), 1u);
}

TEST_F(SettingsDialogModelTest, SetThatNothingCanHoldIsReportedWithTheFileName) {
  files.readOnlyFolders = {kProgramFolder, kUserFolder};
  SettingsDialogModel model = Open();
  EXPECT_EQ(model.Save(L"3"), SettingsDialogModel::SaveOutcome::NotWritten);
  EXPECT_EQ(model.SettingsPath(), kBeside);
  EXPECT_TRUE(files.files.empty());
}

TEST_F(SettingsDialogModelTest, FileThatTheSettingsCannotHoldKeepsThePreviousChoice) {
  settings.filePath = "C:\\old.mp3";
  SettingsDialogModel model = Open();
  const std::wstring tooLong = L"C:\\" + std::wstring(250, L'a') + L".mp3";
  for (const std::wstring& path : {std::wstring(L"C:\\caf\u00E9.mp3"), std::wstring(L"C:\\\uD55C.wav"), tooLong}) {
    EXPECT_EQ(model.ChooseFile(path), SettingsDialogModel::FileChoice::NotStorable);
    EXPECT_EQ(settings.filePath, "C:\\old.mp3");
  }
}

}  // namespace
