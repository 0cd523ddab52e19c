#include "settings_file.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"

namespace {

const std::wstring kProgramFolder = L"C:\\Windows\\System32";
const std::wstring kBeside = L"C:\\Windows\\System32\\Miravel.ini";
const std::wstring kUserFolder = L"C:\\Users\\u\\AppData\\Roaming\\Miravel";
const std::wstring kPerUser = L"C:\\Users\\u\\AppData\\Roaming\\Miravel\\Miravel.ini";

class SettingsFileTest : public testing::Test {
 protected:
  SettingsFile Open() { return SettingsFile(files, kProgramFolder, kUserFolder); }
  FakeFileSystem files;
};

TEST_F(SettingsFileTest, ReadsTheFileBesideTheProgramWhenThereIsNoPerUserFile) {
  files.files[kBeside] = "[Section]\r\nkey=beside\r\n";
  const SettingsFile settings = Open();
  EXPECT_EQ(settings.Path(), kBeside);
  EXPECT_EQ(settings.Read("Section", "key"), "beside");
}

TEST_F(SettingsFileTest, PerUserFileComesFirst) {
  files.files[kBeside] = "[Section]\r\nkey=beside\r\n";
  files.files[kPerUser] = "[Section]\r\nkey=mine\r\n";
  EXPECT_EQ(Open().Read("Section", "key"), "mine");
}

TEST_F(SettingsFileTest, NoFolderForPerUserFilesKeepsTheFileBesideTheProgram) {
  files.files[kBeside] = "[Section]\r\nkey=beside\r\n";
  EXPECT_EQ(SettingsFile(files, kProgramFolder, L"").Path(), kBeside);
}

TEST_F(SettingsFileTest, WritesThroughATemporaryFileThenReplaces) {
  files.files[kBeside] = "[Section]\r\nkey=old\r\n";
  SettingsFile settings = Open();
  EXPECT_TRUE(settings.Write("Section", "key", "new"));
  const std::vector<std::wstring> expected = {L"write " + kBeside + L".tmp",
                                              L"replace " + kBeside + L".tmp -> " + kBeside};
  EXPECT_EQ(files.log, expected);
  EXPECT_EQ(files.files[kBeside], "[Section]\r\nkey=new\r\n");
  EXPECT_EQ(files.files.count(kBeside + L".tmp"), 0u);
}

TEST_F(SettingsFileTest, UnwritableProgramFolderFallsBackToThePerUserFile) {
  files.files[kBeside] = "; admin's\r\n[Section]\r\nkey=old\r\n";
  files.readOnlyFolders.insert(kProgramFolder);
  SettingsFile settings = Open();

  EXPECT_TRUE(settings.Write("Section", "key", "new"));
  EXPECT_EQ(settings.Path(), kPerUser);
  EXPECT_EQ(files.files[kPerUser], "; admin's\r\n[Section]\r\nkey=new\r\n");
  EXPECT_EQ(files.files[kBeside], "; admin's\r\n[Section]\r\nkey=old\r\n");
  EXPECT_EQ(settings.Read("Section", "key"), "new");
  EXPECT_EQ(Open().Read("Section", "key"), "new");  // the next start reads it too
}

TEST_F(SettingsFileTest, FailureEverywhereIsReportedAndLeavesNoTemporaryFile) {
  files.files[kBeside] = "[Section]\r\nkey=old\r\n";
  files.readOnlyFolders = {kProgramFolder, kUserFolder.substr(0, kUserFolder.rfind(L'\\'))};
  SettingsFile settings = Open();
  EXPECT_FALSE(settings.Write("Section", "key", "new"));
  EXPECT_EQ(files.files.size(), 1u);
  EXPECT_EQ(files.files[kBeside], "[Section]\r\nkey=old\r\n");
}

TEST_F(SettingsFileTest, FailedReplaceKeepsTheOldFileWhole) {
  files.files[kPerUser] = "[Section]\r\nkey=old\r\n";
  files.refuseReplace = true;
  SettingsFile settings = Open();
  EXPECT_FALSE(settings.Write("Section", "key", "new"));
  EXPECT_EQ(files.files.size(), 1u);
  EXPECT_EQ(files.files[kPerUser], "[Section]\r\nkey=old\r\n");
}

TEST_F(SettingsFileTest, UnreadableFileIsNeverOverwritten) {
  files.files[kBeside] = "[Section]\r\nkey=old\r\nother=keep\r\n";
  files.unreadable.insert(kBeside);
  SettingsFile settings = Open();
  EXPECT_TRUE(settings.Write("Section", "key", "new"));
  EXPECT_EQ(files.files[kBeside], "[Section]\r\nkey=old\r\nother=keep\r\n");
  EXPECT_EQ(settings.Path(), kPerUser);
}

}  // namespace
