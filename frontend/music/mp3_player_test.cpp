#include "mp3_player.h"

#include <gtest/gtest.h>

#include "fake_mci_port.h"
#include "fake_sound_port.h"
#include "wav_player.h"

namespace {

const std::string kStatus = "status MP3Play mode";

class Mp3PlayerTest : public testing::Test {
 protected:
  FakeMciPort mci;
  MusicSettings settings;
  Mp3Player player{mci, settings};
};

TEST_F(Mp3PlayerTest, OpensTheQuotedPathThenPlays) {
  settings.filePath = "C:\\My Music\\a b.mp3";
  player.Play();
  const std::vector<std::string> expected = {"open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play",
                                             "play MP3Play"};
  EXPECT_EQ(mci.sent, expected);
}

TEST_F(Mp3PlayerTest, FailedOpenPlaysNothing) {
  settings.filePath = "C:\\gone.mp3";
  mci.Answer("open \"C:\\gone.mp3\" type MPEGVideo Alias MP3Play", {{277, ""}});
  player.Play();
  EXPECT_EQ(mci.sent.size(), 1u);
}

TEST_F(Mp3PlayerTest, RestartsOnlyWhenNotPlaying) {
  // playing, playing with more text, failed query (old reply kept), stopped, failed query before any reply
  mci.Answer(kStatus, {{0, "playing"}, {0, "playing now"}, {263, ""}, {0, "stopped"}});
  for (int i = 0; i < 4; ++i) player.RestartIfStopped();
  const std::vector<std::string> expected = {kStatus, kStatus, kStatus, kStatus, "stop MP3Play", "play MP3Play from 0"};
  EXPECT_EQ(mci.sent, expected);
}

TEST_F(Mp3PlayerTest, NeverPlayingBeforeAnyReply) {
  mci.Answer(kStatus, {{263, ""}});
  EXPECT_FALSE(player.IsPlaying());
}

TEST_F(Mp3PlayerTest, ClosesAfterStopping) {
  player.Close();
  const std::vector<std::string> expected = {"stop MP3Play", "close MP3Play"};
  EXPECT_EQ(mci.sent, expected);
}

TEST(WavPlayerTest, LoopsTheFileOnlyWithAnOutputDevice) {
  FakeSoundPort sound;
  PlayWav(sound, "C:\\a.wav");
  StopWav(sound);
  sound.devices = 0;
  PlayWav(sound, "C:\\a.wav");
  const std::vector<std::string> expected = {"loop C:\\a.wav", "stop"};
  EXPECT_EQ(sound.calls, expected);
}

}  // namespace
