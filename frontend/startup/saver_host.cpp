#include "saver_host.h"

#include "wav_player.h"

SaverHost::SaverHost(HostPlatform& platform, MciPort& mci, SoundPort& sound, const MusicSettings& settings,
                     bool restoreCursor)
    : platform_(platform),
      sound_(sound),
      settings_(settings),
      restoreCursor_(restoreCursor),
      cd_(mci, settings),
      mp3_(mci, settings) {}

void SaverHost::Start() {
  running_ = true;
  const bool started = platform_.StartRenderer();
  watch_.emplace(started, platform_.Milliseconds());
  fileType_ = MusicFileTypeOf(settings_.filePath);

  if (settings_.kind == kAudioCd) {
    cd_.Open();
    cdStepRunning_ = true;
  }
  if (settings_.kind == kMusicFile) {
    if (fileType_ == MusicFileType::Wave) PlayWav(sound_, settings_.filePath);
    if (fileType_ == MusicFileType::Mp3) {
      mp3_.Play();
      mp3CheckRunning_ = true;
    }
  }
}

void SaverHost::OnMp3Tick() { mp3_.RestartIfStopped(); }

void SaverHost::OnCdTick() { cdStepRunning_ = cd_.Step(); }

bool SaverHost::OnWatchTick() {
  return !watch_ || watch_->Ended(platform_.RendererWindowExists(), platform_.Milliseconds());
}

void SaverHost::ShutDown() {
  if (!running_) return;
  running_ = false;
  // Once the drive has failed and the step stopped itself, it is left alone.
  if (cdStepRunning_) {
    cdStepRunning_ = false;
    cd_.Close();
  }
  mp3CheckRunning_ = false;
  if (settings_.kind == kMusicFile) {
    if (fileType_ == MusicFileType::Wave) StopWav(sound_);
    if (fileType_ == MusicFileType::Mp3) mp3_.Close();
  }
  if (restoreCursor_) platform_.ShowCursor();
}
