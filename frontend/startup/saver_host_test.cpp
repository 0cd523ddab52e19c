#include "saver_host.h"

#include <gtest/gtest.h>

#include "fake_mci_port.h"
#include "fake_sound_port.h"

namespace {

class FakeHostPlatform : public HostPlatform {
 public:
  bool StartRenderer() override { return starts; }
  bool RendererWindowExists() override { return windowExists; }
  std::uint32_t Milliseconds() override { return now; }
  void ShowCursor() override { ++cursorShown; }

  bool starts = true;
  bool windowExists = false;
  std::uint32_t now = 1000;
  int cursorShown = 0;
};

struct RouteCase {
  std::int16_t kind;
  std::string path;
  std::vector<std::string> mciAtStart;
  std::vector<std::string> soundAtStart;
  bool mp3Check;
  bool cdStep;
  std::vector<std::string> mciAtShutDown;
  std::vector<std::string> soundAtShutDown;
};

TEST(SaverHostTest, MusicFollowsTheKindAndTheFileEnding) {
  const std::string open = "open \"C:\\m\\a.Mp3\" type MPEGVideo Alias MP3Play";
  const RouteCase cases[] = {
      {kMusicFile, "C:\\m\\a.Wav", {}, {"loop C:\\m\\a.Wav"}, false, false, {}, {"stop"}},
      {kMusicFile, "C:\\m\\a.Mp3", {open, "play MP3Play"}, {}, true, false, {"stop MP3Play", "close MP3Play"}, {}},
      {kMusicFile, "C:\\m\\a.mid", {}, {}, false, false, {}, {}},
      {kAudioCd,
       "C:\\m\\a.wav",
       {"open cdaudio", "set cdaudio time format tmsf"},
       {},
       false,
       true,
       {"stop cdaudio", "close cdaudio"},
       {}},
      {kNoMusic, "C:\\m\\a.wav", {}, {}, false, false, {}, {}},
      {7, "C:\\m\\a.wav", {}, {}, false, false, {}, {}},
  };
  for (const RouteCase& c : cases) {
    FakeHostPlatform platform;
    FakeMciPort mci;
    FakeSoundPort sound;
    const MusicSettings settings{c.kind, 0, c.path};
    SaverHost host(platform, mci, sound, settings, true);

    host.Start();
    EXPECT_EQ(mci.sent, c.mciAtStart) << c.kind << " " << c.path;
    EXPECT_EQ(sound.calls, c.soundAtStart) << c.kind << " " << c.path;
    EXPECT_EQ(host.Mp3CheckRunning(), c.mp3Check);
    EXPECT_EQ(host.CdStepRunning(), c.cdStep);

    mci.sent.clear();
    sound.calls.clear();
    host.ShutDown();
    EXPECT_EQ(mci.sent, c.mciAtShutDown) << c.kind << " " << c.path;
    EXPECT_EQ(sound.calls, c.soundAtShutDown) << c.kind << " " << c.path;
  }
}

TEST(SaverHostTest, CdStepThatStoppedItselfLeavesTheDriveAlone) {
  FakeHostPlatform platform;
  FakeMciPort mci;
  FakeSoundPort sound;
  mci.Answer("status cdaudio current track", {{266, ""}});
  const MusicSettings settings{kAudioCd, 0, ""};
  SaverHost host(platform, mci, sound, settings, false);
  host.Start();
  host.OnCdTick();
  EXPECT_FALSE(host.CdStepRunning());
  mci.sent.clear();
  host.ShutDown();
  EXPECT_TRUE(mci.sent.empty());
}

TEST(SaverHostTest, MusicStoppedOnceEvenWhenTheHostGoesWithoutAShutdown) {
  FakeHostPlatform platform;
  FakeMciPort mci;
  FakeSoundPort sound;
  const MusicSettings settings{kMusicFile, 0, "C:\\a.mp3"};
  {
    SaverHost host(platform, mci, sound, settings, true);
    host.Start();
    mci.sent.clear();
  }
  const std::vector<std::string> expected = {"stop MP3Play", "close MP3Play"};
  EXPECT_EQ(mci.sent, expected);
  EXPECT_EQ(platform.cursorShown, 1);
}

TEST(SaverHostTest, CursorShownAgainOnlyWhenStartUpHidIt) {
  for (const bool hidden : {true, false}) {
    FakeHostPlatform platform;
    FakeMciPort mci;
    FakeSoundPort sound;
    const MusicSettings settings;
    SaverHost host(platform, mci, sound, settings, hidden);
    host.Start();
    host.ShutDown();
    host.ShutDown();
    EXPECT_EQ(platform.cursorShown, hidden ? 1 : 0);
  }
}

struct WatchCase {
  const char* name;
  bool started;
  // window present at each tick, with the time of the tick after the start
  std::vector<std::pair<bool, std::uint32_t>> ticks;
  std::size_t endingTick;  // index of the tick that ends the host; ticks.size() for none
};

class RendererWatchTest : public testing::TestWithParam<WatchCase> {};

TEST_P(RendererWatchTest, EndsAtTheRightTick) {
  const WatchCase& c = GetParam();
  const std::uint32_t start = 0xFFFFF000u;  // the millisecond counter wraps on the way
  RendererWatch watch(c.started, start);
  std::size_t ended = c.ticks.size();
  for (std::size_t i = 0; i < c.ticks.size() && ended == c.ticks.size(); ++i) {
    if (watch.Ended(c.ticks[i].first, start + c.ticks[i].second)) ended = i;
  }
  EXPECT_EQ(ended, c.endingTick);
}

const WatchCase kWatchCases[] = {
    {"NotStartedEndsAtTheFirstTick", false, {{false, 50}}, 0},
    {"SlowRendererIsWaitedFor", true, {{false, 50}, {false, 3000}, {true, 3050}, {true, 3100}}, 4},
    {"EndsOnceTheSeenWindowHasGone", true, {{true, 50}, {true, 100}, {false, 150}}, 2},
    {"WindowThatNeverAppearsEndsAfterTenSeconds", true, {{false, 50}, {false, 9999}, {false, 10000}}, 2},
    {"SeenWindowKeepsRunningPastTenSeconds", true, {{true, 50}, {true, 20000}, {false, 20050}}, 2},
};

INSTANTIATE_TEST_SUITE_P(Cases, RendererWatchTest, testing::ValuesIn(kWatchCases),
                         [](const testing::TestParamInfo<WatchCase>& info) { return std::string(info.param.name); });

}  // namespace
