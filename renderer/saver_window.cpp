#include "saver_window.h"

#include "frame_driver.h"
#include "password_check.h"

ScreenPoint Win32SaverPlatform::CursorPosition() {
  POINT cursor{};
  GetCursorPos(&cursor);
  return {cursor.x, cursor.y};
}

void Win32SaverPlatform::PostClose() { PostMessageA(window, WM_CLOSE, 0, 0); }

void Win32SaverPlatform::HideCursor() { SetCursor(nullptr); }

bool Win32SaverPlatform::VerifyClose() { return VerifyCloseWithPassword(window); }

namespace {

SaverWindow* SaverOf(HWND window) { return reinterpret_cast<SaverWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

// Last in the chain: the close rules, then the default handling.
LRESULT SaverDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SaverWindow* saver = SaverOf(window);
  if (saver != nullptr) {
    const SaverReply reply = saver->closeRules.Handle(DecodeSaverEvent(message, static_cast<std::uintptr_t>(wParam)));
    if (!reply.useDefault) return reply.result;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void OnSceneCreate(HWND window, SaverWindow& saver) {
  ApplySceneParameters(window);
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
  SetUpScene(window, saver.scene);
  saver.ready = true;
}

void OnSceneDestroy(HWND window, SaverWindow& saver) {
  saver.ready = false;
  TearDownScene(window, saver.scene);
}

LRESULT SceneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SaverWindow* saver = SaverOf(window);
  if (saver != nullptr) {
    if (message == WM_CREATE) OnSceneCreate(window, *saver);
    if (message == WM_DESTROY) OnSceneDestroy(window, *saver);
  }
  return SaverDefaultProc(window, message, wParam, lParam);
}

void OnNcCreate(HWND window, LPARAM lParam) {
  auto* saver = static_cast<SaverWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
  saver->platform.window = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(saver));
}

LRESULT CALLBACK ClassWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      OnNcCreate(window, lParam);
      break;
    case WM_CREATE:
      if (SaverWindow* saver = SaverOf(window)) saver->closeRules.Begin();
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    case WM_SYSCOMMAND:
      // Swallowed: task switching by the system keys and a nested screen
      // saver start must not happen over the running saver.
      if (wParam == SC_NEXTWINDOW || wParam == SC_PREVWINDOW || wParam == SC_SCREENSAVE) return 0;
      break;
    default:
      break;
  }
  return SceneProc(window, message, wParam, lParam);
}

}  // namespace

bool RegisterSaverClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = ClassWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kBlankIconId));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kSaverClassName;
  return RegisterClassA(&windowClass) != 0;
}

HWND CreateSaverWindow(HINSTANCE instance, SaverWindow& saver) {
  return CreateWindowExA(WS_EX_TOPMOST, kSaverClassName, kSaverCreationTitle,
                         WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance,
                         &saver);
}

void RunIdleStep(SaverWindow& saver) {
  if (saver.ready && !saver.closeRules.PasswordDialogOpen()) RenderFrame(saver.scene, saver.clock);
}
