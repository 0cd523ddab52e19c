#include "command_button_window.h"

#include <array>
#include <memory>
#include <optional>

#include "command_button_resources.h"
#include "font_for_caption.h"
#include "gdi_objects.h"

namespace {

constexpr wchar_t kClassName[] = L"MiravelCommand";
constexpr UINT_PTR kPointerCheckTimer = 1;
constexpr UINT kPointerCheckMilliseconds = 100;

constexpr std::array<int, 6> kSkinIds = {IDB_SKIN_NORMAL,   IDB_SKIN_HIGHLIGHT,        IDB_SKIN_PRESSED,
                                         IDB_SKIN_SELECTED, IDB_SKIN_HIGHLIGHT_SELECT, IDB_SKIN_DISABLE};

TRIVERTEX Vertex(LONG x, LONG y, const GradientColour& colour) {
  TRIVERTEX vertex{};
  vertex.x = x;
  vertex.y = y;
  vertex.Red = colour.red;
  vertex.Green = colour.green;
  vertex.Blue = colour.blue;
  return vertex;
}

class CommandButtonWindow : public ButtonView {
 public:
  CommandButtonWindow(HINSTANCE instance, const CommandButtonLayout& layout) : instance_(instance), layout_(layout) {}

  void Attach(HWND window) { window_ = window; }
  CommandButton& Button() { return button_; }

  void OnCreate(int width, int height);
  void OnSize(int width, int height);
  void OnPaint();
  void OnTimer();
  void OnButtonDown(MouseButton button);
  void OnButtonUp(MouseButton button, WPARAM heldButtons);

  void PaintFace(Skin skin, const VerticalGradient& gradient) override;
  void ShowCaption() override;
  void RaiseClick() override;
  void StartPointerCheck() override;

 private:
  void FillGradient(const VerticalGradient& gradient);
  void PaintParentBackground(HDC dc);
  void DrawCaption(HDC dc);

  HINSTANCE instance_;
  CommandButtonLayout layout_;
  HWND window_ = nullptr;
  CommandButton button_{*this};
  std::unique_ptr<MemoryCanvas> face_;
  std::array<std::unique_ptr<ResourcePicture>, 6> skins_;
  CaptionFont fontShown_;
  UniqueFont font_;
  std::optional<ScopedWindowTimer> pointerCheck_;
};

void CommandButtonWindow::OnCreate(int width, int height) {
  for (std::size_t i = 0; i < skins_.size(); ++i) skins_[i] = std::make_unique<ResourcePicture>(instance_, kSkinIds[i]);
  OnSize(width, height);
  button_.ReadProperties(layout_.properties, layout_.ambientFont);
}

void CommandButtonWindow::OnSize(int width, int height) {
  if (face_ && face_->Width() == width && face_->Height() == height) return;
  HDC screen = GetDC(window_);
  face_ = std::make_unique<MemoryCanvas>(screen, width, height);
  ReleaseDC(window_, screen);
  button_.OnResize();
}

void CommandButtonWindow::PaintFace(Skin skin, const VerticalGradient& gradient) {
  if (!face_) return;
  FillGradient(gradient);
  HDC skinDc = skins_[static_cast<std::size_t>(skin)]->Dc();
  // Copied pixel for pixel: a smoothing stretch would blur the one-pixel lines.
  SetStretchBltMode(face_->Dc(), COLORONCOLOR);
  for (const FramePiece& piece : FramePieces(face_->Width(), face_->Height())) {
    const PixelRect& to = piece.destination;
    const PixelRect& from = piece.source;
    StretchBlt(face_->Dc(), to.x, to.y, to.width, to.height, skinDc, from.x, from.y, from.width, from.height, SRCCOPY);
  }
  InvalidateRect(window_, nullptr, FALSE);
}

void CommandButtonWindow::FillGradient(const VerticalGradient& gradient) {
  // The lower vertex sits on the last row and column; the frame covers them.
  TRIVERTEX vertices[2] = {Vertex(0, 0, gradient.top),
                           Vertex(face_->Width() - 1, face_->Height() - 1, gradient.bottom)};
  GRADIENT_RECT rectangle{1, 0};
  GradientFill(face_->Dc(), vertices, 2, &rectangle, 1, GRADIENT_FILL_RECT_V);
}

void CommandButtonWindow::ShowCaption() {
  if (!font_ || !(fontShown_ == button_.Look().font)) {
    fontShown_ = button_.Look().font;
    font_ = CreateFontFor(fontShown_);
  }
  InvalidateRect(window_, nullptr, FALSE);
}

void CommandButtonWindow::RaiseClick() {
  if (layout_.onClick) layout_.onClick();
}

void CommandButtonWindow::StartPointerCheck() {
  pointerCheck_.reset();
  pointerCheck_.emplace(window_, kPointerCheckTimer, kPointerCheckMilliseconds);
}

void CommandButtonWindow::OnPaint() {
  PaintScope paint(window_);
  if (button_.FaceOpaque() && face_) {
    BitBlt(paint.Dc(), 0, 0, face_->Width(), face_->Height(), face_->Dc(), 0, 0, SRCCOPY);
  } else {
    PaintParentBackground(paint.Dc());
  }
  DrawCaption(paint.Dc());
}

// A transparent face shows what the parent draws behind it; the front end's
// own windows answer WM_PRINTCLIENT with their backdrop.
void CommandButtonWindow::PaintParentBackground(HDC dc) {
  HWND parent = GetParent(window_);
  POINT origin{0, 0};
  MapWindowPoints(window_, parent, &origin, 1);
  POINT previous{};
  SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void CommandButtonWindow::DrawCaption(HDC dc) {
  if (!font_) return;
  const CaptionLook& look = button_.Look();
  SelectedObject font(dc, font_.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT client{};
  GetClientRect(window_, &client);
  const int top = CaptionTop(client.bottom, metrics.tmHeight);
  RECT line{0, top, client.right, top + metrics.tmHeight};
  constexpr UINT kFormat = DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
  SetBkMode(dc, TRANSPARENT);
  if (look.greyed) {
    // Engraved, as the system draws the text of a disabled label.
    RECT highlight = line;
    OffsetRect(&highlight, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, look.text.c_str(), -1, &highlight, kFormat);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(dc, look.colour);
  }
  DrawTextW(dc, look.text.c_str(), -1, &line, kFormat);
}

void CommandButtonWindow::OnTimer() {
  POINT pointer{};
  if (!GetCursorPos(&pointer)) return;
  // The caption is drawn by the button itself, so a pointer over it finds
  // the button's own window.
  button_.OnPointerCheck(WindowFromPoint(pointer) == window_);
}

void CommandButtonWindow::OnButtonDown(MouseButton button) {
  // The release comes back here wherever the pointer is by then.
  SetCapture(window_);
  if (button == MouseButton::Left) SetFocus(window_);
  button_.OnMouseDown(button);
}

void CommandButtonWindow::OnButtonUp(MouseButton button, WPARAM heldButtons) {
  if ((heldButtons & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) ReleaseCapture();
  // Last: the host's Click may close the whole dialog.
  button_.OnMouseUp(button);
}

CommandButtonWindow* WindowOf(HWND window) {
  return reinterpret_cast<CommandButtonWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// From here on the window owns its state and frees it with itself.
void OnNcCreate(HWND window, LPARAM lParam) {
  auto* owner =
      static_cast<std::unique_ptr<CommandButtonWindow>*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
  CommandButtonWindow* state = owner->release();
  state->Attach(window);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}

LRESULT CALLBACK CommandButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) OnNcCreate(window, lParam);
  CommandButtonWindow* state = WindowOf(window);
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);

  switch (message) {
    case WM_CREATE: {
      const auto* creation = reinterpret_cast<CREATESTRUCTW*>(lParam);
      state->OnCreate(creation->cx, creation->cy);
      return 0;
    }
    case WM_SIZE:
      state->OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      state->OnPaint();
      return 0;
    case WM_TIMER:
      if (wParam == kPointerCheckTimer) state->OnTimer();
      return 0;
    case WM_MOUSEMOVE:
      state->Button().OnMouseMove();
      return 0;
    case WM_LBUTTONDOWN:
      state->OnButtonDown(MouseButton::Left);
      return 0;
    case WM_RBUTTONDOWN:
      state->OnButtonDown(MouseButton::Right);
      return 0;
    case WM_MBUTTONDOWN:
      state->OnButtonDown(MouseButton::Middle);
      return 0;
    case WM_LBUTTONUP:
      state->OnButtonUp(MouseButton::Left, wParam);
      return 0;
    case WM_RBUTTONUP:
      state->OnButtonUp(MouseButton::Right, wParam);
      return 0;
    case WM_MBUTTONUP:
      state->OnButtonUp(MouseButton::Middle, wParam);
      return 0;
    case WM_SETFOCUS:
      state->Button().OnGotFocus();
      return 0;
    case WM_KILLFOCUS:
      state->Button().OnLostFocus();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete state;
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterCommandButtonClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = CommandButtonProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = kClassName;
  return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateCommandButton(HWND parent, HINSTANCE instance, const CommandButtonLayout& layout) {
  auto state = std::make_unique<CommandButtonWindow>(instance, layout);
  const RECT& b = layout.bounds;
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, b.left, b.top, b.right - b.left,
                         b.bottom - b.top, parent, nullptr, instance, &state);
}

CommandButton& CommandButtonOf(HWND button) { return WindowOf(button)->Button(); }
