#pragma once
#include <cstdint>
#include <optional>

#include "cd_player.h"
#include "mci_port.h"
#include "mp3_player.h"
#include "music_file_type.h"
#include "music_settings.h"
#include "renderer_watch.h"
#include "sound_port.h"

// What the host needs of the system besides the music.
class HostPlatform {
 public:
  virtual ~HostPlatform() = default;
  // Starts the renderer program without arguments; false when it could not.
  virtual bool StartRenderer() = 0;
  virtual bool RendererWindowExists() = 0;
  virtual std::uint32_t Milliseconds() = 0;
  virtual void ShowCursor() = 0;
};

// The running saver as the front end sees it: it starts the renderer and the
// music, keeps the music going from its timers, and stops it all once the
// renderer's window has gone. The shell mirrors the two music timers' states.
// It owns the music it started: a host that goes without a shutdown still
// closes the MCI device or alias.
class SaverHost {
 public:
  SaverHost(HostPlatform& platform, MciPort& mci, SoundPort& sound, const MusicSettings& settings, bool restoreCursor);
  ~SaverHost() { ShutDown(); }
  SaverHost(const SaverHost&) = delete;
  SaverHost& operator=(const SaverHost&) = delete;

  void Start();
  bool Mp3CheckRunning() const { return mp3CheckRunning_; }  // 1000 ms
  bool CdStepRunning() const { return cdStepRunning_; }      // 200 ms, stops itself on a drive failure

  void OnMp3Tick();
  void OnCdTick();
  // True when the renderer has ended and the host should shut down.
  bool OnWatchTick();
  // Stops the music and shows the cursor hidden at start-up; only the first
  // call after Start does anything.
  void ShutDown();

 private:
  HostPlatform& platform_;
  SoundPort& sound_;
  const MusicSettings& settings_;
  bool restoreCursor_;
  MusicFileType fileType_ = MusicFileType::Other;
  CdPlayer cd_;
  Mp3Player mp3_;
  std::optional<RendererWatch> watch_;
  bool running_ = false;
  bool mp3CheckRunning_ = false;
  bool cdStepRunning_ = false;
};
