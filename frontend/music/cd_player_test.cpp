#include "cd_player.h"

#include <gtest/gtest.h>

#include "fake_mci_port.h"

namespace {

const std::string kTrack = "status cdaudio current track";
const std::string kCount = "status cdaudio number of tracks";
const std::string kMode = "status cdaudio mode";

struct StepCase {
  const char* name;
  std::int16_t repeatTrack;
  std::vector<std::pair<std::string, std::vector<MciReply>>> device;
  std::vector<std::string> expected;
  bool keepPolling;
};

class CdStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(CdStepTest, SendsTheExpectedCommands) {
  const StepCase& c = GetParam();
  FakeMciPort mci;
  for (const auto& [command, replies] : c.device) mci.Answer(command, replies);
  MusicSettings settings;
  settings.repeatTrack = c.repeatTrack;
  CdPlayer player(mci, settings);

  EXPECT_EQ(player.Step(), c.keepPolling);
  EXPECT_EQ(mci.sent, c.expected);
}

const StepCase kStepCases[] = {
    {"WholeDiscStopped",
     0,
     {{kTrack, {{0, "1"}}}, {kMode, {{0, "stopped"}}}},
     {kTrack, kCount, kMode, "play cdaudio"},
     true},
    {"WholeDiscPlaying", 0, {{kTrack, {{0, "5"}}}, {kMode, {{0, "playing"}}}}, {kTrack, kCount, kMode}, true},
    {"Repeat3WhileTrack4Plays",
     3,
     {{kTrack, {{0, "4"}}}, {kMode, {{0, "playing"}}}, {"status cdaudio position track 3", {{0, "03:00:00:00"}}}},
     {kTrack, kCount, kMode, "status cdaudio position track 3", "play cdaudio from 03:00:00:00"},
     true},
    {"Repeat3WhileTrack3Plays", 3, {{kTrack, {{0, "3"}}}, {kMode, {{0, "playing"}}}}, {kTrack, kCount, kMode}, true},
    {"Repeat3WhileStoppedOnTrack3",
     3,
     {{kTrack, {{0, "3"}}}, {kMode, {{0, "stopped"}}}, {"status cdaudio position track 3", {{0, "03:00:00:00"}}}},
     {kTrack, kCount, kMode, "status cdaudio position track 3", "play cdaudio from 03:00:00:00"},
     true},
    {"ModeWithMoreCharactersStillStopped",
     0,
     {{kTrack, {{0, "1"}}}, {kMode, {{0, "stopped now"}}}},
     {kTrack, kCount, kMode, "play cdaudio"},
     true},
    {"ModeComparedWithCase", 0, {{kTrack, {{0, "1"}}}, {kMode, {{0, "Stopped"}}}}, {kTrack, kCount, kMode}, true},
    {"NoDriveEndsPollingAtOnce", 0, {{kTrack, {{266, ""}}}}, {kTrack}, false},
    {"ErrorTextInReplyEndsPolling", 0, {{kTrack, {{0, "driver error"}}}}, {kTrack}, false},
    {"TrackCountErrorEndsPolling", 0, {{kTrack, {{0, "1"}}}, {kCount, {{263, ""}}}}, {kTrack, kCount}, false},
    {"RepeatTrackBeyondDiscPlaysTheErrorAndPollsOn",
     40,
     {{kTrack, {{0, "1"}}}, {kMode, {{0, "stopped"}}}, {"status cdaudio position track 40", {{277, ""}}}},
     {kTrack, kCount, kMode, "status cdaudio position track 40", "play cdaudio from Error:277"},
     true},
    {"NegativeRepeatTrack",
     -2,
     {{kTrack, {{0, "1"}}}, {kMode, {{0, "playing"}}}, {"status cdaudio position track -2", {{277, ""}}}},
     {kTrack, kCount, kMode, "status cdaudio position track -2", "play cdaudio from Error:277"},
     true},
    {"TrackReplyNotANumberEndsPolling",
     3,
     {{kTrack, {{0, "n/a"}}}, {kMode, {{0, "playing"}}}},
     {kTrack, kCount, kMode},
     false},
};

INSTANTIATE_TEST_SUITE_P(Cases, CdStepTest, testing::ValuesIn(kStepCases),
                         [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(CdPlayerTest, FailedModeQueryDecidesOnThePreviousReply) {
  FakeMciPort mci;
  mci.Answer(kTrack, {{0, "1"}});
  mci.Answer(kMode, {{263, ""}, {0, "stopped"}, {263, ""}});
  MusicSettings settings;
  CdPlayer player(mci, settings);

  player.Step();  // nothing known yet: not stopped
  player.Step();  // stopped
  player.Step();  // query fails: still stopped
  const std::vector<std::string> expected = {kTrack,         kCount, kMode,  kTrack, kCount,        kMode,
                                             "play cdaudio", kTrack, kCount, kMode,  "play cdaudio"};
  EXPECT_EQ(mci.sent, expected);
}

TEST(CdPlayerTest, RepeatTrackIsReadAfreshEachStep) {
  FakeMciPort mci;
  mci.Answer(kTrack, {{0, "2"}});
  mci.Answer(kMode, {{0, "playing"}});
  MusicSettings settings;
  CdPlayer player(mci, settings);
  player.Step();
  settings.repeatTrack = 5;
  player.Step();
  EXPECT_EQ(mci.sent.at(6), "status cdaudio position track 5");
}

TEST(CdPlayerTest, OpensInTrackTimeFormatAndClosesAfterStopping) {
  FakeMciPort mci;
  MusicSettings settings;
  CdPlayer player(mci, settings);
  player.Open();
  player.Close();
  const std::vector<std::string> expected = {"open cdaudio", "set cdaudio time format tmsf", "stop cdaudio",
                                             "close cdaudio"};
  EXPECT_EQ(mci.sent, expected);
}

}  // namespace
