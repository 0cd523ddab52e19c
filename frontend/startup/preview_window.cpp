#include "preview_window.h"

#include "gdi_objects.h"
#include "message_loop.h"
#include "window_timer.h"

namespace {

constexpr wchar_t kPreviewClassName[] = L"Kestrova_R";
constexpr wchar_t kPreviewTitle[] = L"Preview Window";

// All state of the preview window, attached to it at creation.
struct PreviewWindow {
  PreviewWindow(HINSTANCE instance, HWND parentWindow)
      : parent(parentWindow), still(instance, kPreviewStillId) {}

  HWND parent;
  ResourcePicture still;
  // NOTE: a child dies with its parent even across processes on Windows, but
  // the check makes sure the process ends wherever that is not delivered.
  WindowTimer parentCheck{1, 250};
};

PreviewWindow* PreviewOf(HWND window) {
  return reinterpret_cast<PreviewWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The still at its own size in the top-left corner, cut off by a smaller
// window; the class's black background fills the rest.
void OnPaint(HWND window, PreviewWindow& state) {
  PaintScope paint(window);
  BitBlt(paint.Dc(), 0, 0, kPreviewStillWidth, kPreviewStillHeight, state.still.Dc(), 0, 0, SRCCOPY);
}

void OnTimer(HWND window, PreviewWindow& state) {
  if (!IsWindow(state.parent)) DestroyWindow(window);
}

LRESULT CALLBACK PreviewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  PreviewWindow* state = PreviewOf(window);
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      state->parentCheck.Start(window);
      return 0;
    case WM_PAINT:
      OnPaint(window, *state);
      return 0;
    case WM_TIMER:
      OnTimer(window, *state);
      return 0;
    case WM_DESTROY:
      state->parentCheck.Stop();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int RunPreview(HINSTANCE instance, std::int32_t parentHandle) {
  // Handles are 32-bit values, sign-extended on 64-bit Windows.
  const HWND parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(parentHandle));
  if (parentHandle == 0 || !IsWindow(parent)) return 0;

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PreviewWindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kPreviewClassName;
  if (RegisterClassW(&windowClass) == 0) return 1;

  // Sized in pixels: no 16-bit twips value caps a parent wider or taller
  // than 2184 pixels.
  RECT area{};
  GetWindowRect(parent, &area);
  PreviewWindow state(instance, parent);
  if (CreateWindowExW(0, kPreviewClassName, kPreviewTitle, WS_CHILD | WS_VISIBLE, 0, 0, area.right - area.left,
                      area.bottom - area.top, parent, nullptr, instance, &state) == nullptr) {
    return 1;
  }
  return RunMessageLoop();
}
