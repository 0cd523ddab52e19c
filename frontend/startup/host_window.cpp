#include "host_window.h"

#include "message_loop.h"
#include "saver_host.h"
#include "win32_mci_port.h"
#include "win32_sound_port.h"
#include "window_timer.h"

namespace {

constexpr wchar_t kHostClassName[] = L"Kestrova_S";
constexpr wchar_t kRendererWindowTitle[] = L"Kestrova_VC";

class Win32HostPlatform : public HostPlatform {
 public:
  explicit Win32HostPlatform(const std::wstring& rendererPath) : rendererPath_(rendererPath) {}

  bool StartRenderer() override {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + rendererPath_ + L"\"";
    if (!CreateProcessW(rendererPath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      return false;
    }
    // Nothing of the renderer is kept: it is known only by its window title.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }

  bool RendererWindowExists() override { return FindWindowW(nullptr, kRendererWindowTitle) != nullptr; }
  std::uint32_t Milliseconds() override { return GetTickCount(); }
  void ShowCursor() override { ::ShowCursor(TRUE); }

 private:
  std::wstring rendererPath_;
};

// All state of the host window, attached to it at creation.
struct HostWindow {
  HostWindow(const MusicSettings& settings, const std::wstring& rendererPath, bool restoreCursor)
      : platform(rendererPath), host(platform, mci, sound, settings, restoreCursor) {}

  Win32HostPlatform platform;
  Win32MciPort mci;
  Win32SoundPort sound;
  SaverHost host;
  WindowTimer mp3Check{1, 1000};
  WindowTimer cdStep{2, 200};
  WindowTimer rendererWatch{3, 50};
};

HostWindow* HostOf(HWND window) { return reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void OnCreate(HWND window, HostWindow& state) {
  state.rendererWatch.Start(window);
  state.host.Start();
  state.mp3Check.Keep(window, state.host.Mp3CheckRunning());
  state.cdStep.Keep(window, state.host.CdStepRunning());
}

void ShutDown(HWND window, HostWindow& state) {
  state.rendererWatch.Stop();
  state.cdStep.Stop();
  state.mp3Check.Stop();
  state.host.ShutDown();
  DestroyWindow(window);
}

void OnTimer(HWND window, HostWindow& state, UINT_PTR id) {
  if (id == state.mp3Check.Id()) {
    state.host.OnMp3Tick();
  } else if (id == state.cdStep.Id()) {
    state.host.OnCdTick();
    state.cdStep.Keep(window, state.host.CdStepRunning());
  } else if (id == state.rendererWatch.Id() && state.host.OnWatchTick()) {
    ShutDown(window, state);
  }
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  HostWindow* state = HostOf(window);
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      OnCreate(window, *state);
      return 0;
    case WM_TIMER:
      OnTimer(window, *state, wParam);
      return 0;
    case WM_CLOSE:  // whatever asks the host to go, the music stops first
      ShutDown(window, *state);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int RunSaverHost(HINSTANCE instance, const MusicSettings& settings, const std::wstring& rendererPath,
                 bool restoreCursor) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HostWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kHostClassName;
  if (RegisterClassW(&windowClass) == 0) return 1;

  HostWindow state(settings, rendererPath, restoreCursor);
  // Never shown; a message-only window would not be found by title.
  if (CreateWindowExW(WS_EX_TOOLWINDOW, kHostClassName, kHostWindowTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                      instance, &state) == nullptr) {
    return 1;
  }
  return RunMessageLoop();
}
