#include "settings_dialog_window.h"

#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>

#include <array>
#include <memory>
#include <string>

#include "backdrop_painting.h"
#include "command_button_window.h"
#include "cp932_exact.h"
#include "dialog_layout.h"
#include "dialog_texts.h"
#include "font_for_caption.h"
#include "gdi_objects.h"
#include "settings_dialog_entry.h"
#include "settings_dialog_model.h"
#include "settings_dialog_resources.h"
#include "system_scaled_scope.h"
#include "track_box.h"
#include "win32_cp932.h"
#include "zoom_animation.h"

namespace {

constexpr wchar_t kDialogClass[] = L"MiravelSettingsDialog";
constexpr wchar_t kPanelClass[] = L"MiravelSettingsPanel";
constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Set and Cancel close the dialog only after their button has finished
// handling the release that clicked it.
constexpr UINT kCloseRequest = WM_APP + 1;
constexpr int kTwipsPerPixel = 15;
constexpr int kTrackListHeight = 200;
constexpr int kFileNameBufferLength = 255;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
const CaptionFont kPanelFont{L"Tahoma", 8.25, 400, 0};

RECT RectOf(const Box& box) { return {box.left, box.top, box.left + box.width, box.top + box.height}; }

// Centred when divided by 2, a third of the way when by 3; worked in whole
// twips as the layout's units are.
int PlacedOffset(int screenSize, int windowSize, int divisor) {
  const int twips = (screenSize - windowSize) * kTwipsPerPixel / divisor;
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

void DrawLabel(HDC dc, const Box& box, const wchar_t* text, COLORREF colour, UINT format) {
  RECT area = RectOf(box);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text, -1, &area, format | DT_NOPREFIX);
}

class SettingsDialog {
 public:
  SettingsDialog(HINSTANCE instance, MusicSettings& settings, SettingsFile& file)
      : instance_(instance),
        model_(settings, file, EncodeCp932Exactly, DecodeCp932),
        labelFont_(CreateFontFor(kMsPGothic)),
        panelFont_(CreateFontFor(kPanelFont)),
        markUnselected_(instance, IDB_MARK_UNSELECTED),
        markSelected_(instance, IDB_MARK_SELECTED) {}

  void Run();

  void OnDialogCreate(HWND dialog);
  void OnPanelCreate(HWND panel);
  void PaintDialog(HDC dc);
  void PaintPanel(HDC dc);
  void OnPanelButtonDown(POINT at);
  void Close();
  void OnDestroy() { closed_ = true; }

 private:
  HWND CreateDialogWindow(HWND owner);
  HWND AddButton(HWND parent, const Box& box, const wchar_t* caption, const CaptionFont& ambientFont,
                 void (SettingsDialog::*onClick)());
  void Load();
  void ShowChoice();
  void OnBrowse();
  void OnSet();
  void OnCancel() { PostMessageW(dialog_, kCloseRequest, 0, 0); }
  void OnOtherWorks();

  HINSTANCE instance_;
  SettingsDialogModel model_;
  UniqueFont labelFont_;
  UniqueFont panelFont_;
  ResourcePicture markUnselected_;
  ResourcePicture markSelected_;
  HWND dialog_ = nullptr;
  HWND panel_ = nullptr;
  HWND trackBox_ = nullptr;
  HWND browse_ = nullptr;
  std::array<HWND, 3> bottomButtons_{};
  std::wstring fileLabel_;
  POINT zoomPoint_{0, 0};
  bool closed_ = false;
};

SettingsDialog* DialogOf(HWND window) {
  return reinterpret_cast<SettingsDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Attach(HWND window, LPARAM createParameters) {
  const auto* creation = reinterpret_cast<CREATESTRUCTW*>(createParameters);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
}

// Drawn off screen first, so the rows never flicker over the labels.
template <class Paint>
void PaintBuffered(HWND window, Paint paint) {
  PaintScope scope(window);
  RECT client{};
  GetClientRect(window, &client);
  MemoryCanvas canvas(scope.Dc(), client.right, client.bottom);
  paint(canvas.Dc());
  BitBlt(scope.Dc(), 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) Attach(window, lParam);
  SettingsDialog* dialog = DialogOf(window);
  if (dialog == nullptr) return DefWindowProcW(window, message, wParam, lParam);

  switch (message) {
    case WM_CREATE:
      dialog->OnDialogCreate(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(window, [dialog](HDC dc) { dialog->PaintDialog(dc); });
      return 0;
    case WM_PRINTCLIENT:
      dialog->PaintDialog(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_CLOSE:  // the close box: like Cancel
    case kCloseRequest:
      dialog->Close();
      return 0;
    case WM_DESTROY:
      dialog->OnDestroy();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) Attach(window, lParam);
  SettingsDialog* dialog = DialogOf(window);
  if (dialog == nullptr) return DefWindowProcW(window, message, wParam, lParam);

  switch (message) {
    case WM_CREATE:
      dialog->OnPanelCreate(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(window, [dialog](HDC dc) { dialog->PaintPanel(dc); });
      return 0;
    case WM_PRINTCLIENT:
      dialog->PaintPanel(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN:  // any button chooses
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      dialog->OnPanelButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool Register(const WNDCLASSW& windowClass) {
  return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool RegisterClasses(HINSTANCE instance) {
  WNDCLASSW dialogClass{};
  dialogClass.lpfnWndProc = DialogProc;
  dialogClass.hInstance = instance;
  dialogClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MIRAVEL));
  dialogClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  dialogClass.lpszClassName = kDialogClass;
  WNDCLASSW panelClass{};
  panelClass.lpfnWndProc = PanelProc;
  panelClass.hInstance = instance;
  panelClass.hCursor = dialogClass.hCursor;
  panelClass.lpszClassName = kPanelClass;
  return Register(dialogClass) && Register(panelClass) && RegisterCommandButtonClass(instance);
}

// Keeps the dialog out of the task bar without making it a tool window: an
// owned window gets no task bar button of its own.
class HiddenOwner {
 public:
  explicit HiddenOwner(HINSTANCE instance)
      : window_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr)) {}
  ~HiddenOwner() {
    if (window_ != nullptr) DestroyWindow(window_);
  }
  HiddenOwner(const HiddenOwner&) = delete;
  HiddenOwner& operator=(const HiddenOwner&) = delete;
  HWND Window() const { return window_; }

 private:
  HWND window_;
};

void SettingsDialog::Run() {
  const HiddenOwner owner(instance_);
  dialog_ = CreateDialogWindow(owner.Window());
  if (dialog_ == nullptr) return;
  Load();
  ShowWindow(dialog_, SW_SHOWNORMAL);
  SetForegroundWindow(dialog_);
  if (HWND first = GetNextDlgTabItem(dialog_, nullptr, FALSE)) SetFocus(first);

  MSG message{};
  while (!closed_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (!IsDialogMessageW(dialog_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

HWND SettingsDialog::CreateDialogWindow(HWND owner) {
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = PlacedOffset(GetSystemMetrics(SM_CXSCREEN), width, 2);
  const int top = PlacedOffset(GetSystemMetrics(SM_CYSCREEN), height, 3);
  return CreateWindowExW(0, kDialogClass, kSettingsDialogTitle, kDialogStyle, left, top, width, height, owner, nullptr,
                         instance_, this);
}

// Created in keyboard order: the track box and browse button inside the
// panel, then Set, Cancel and the other-works button.
void SettingsDialog::OnDialogCreate(HWND dialog) {
  dialog_ = dialog;
  const Box& p = kPanelBox;
  CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, p.left, p.top,
                  p.width, p.height, dialog, nullptr, instance_, this);
  bottomButtons_ = {AddButton(dialog, kSetBox, kSetCaption, kMsPGothic, &SettingsDialog::OnSet),
                    AddButton(dialog, kCancelBox, kCancelCaption, kMsPGothic, &SettingsDialog::OnCancel),
                    AddButton(dialog, kOtherWorksBox, kOtherWorksCaption, kMsPGothic, &SettingsDialog::OnOtherWorks)};
}

void SettingsDialog::OnPanelCreate(HWND panel) {
  panel_ = panel;
  const Box& t = kTrackBoxBox;
  trackBox_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                              t.left, t.top, t.width, t.height + kTrackListHeight, panel, nullptr, instance_, nullptr);
  SendMessageW(trackBox_, WM_SETFONT, reinterpret_cast<WPARAM>(panelFont_.get()), FALSE);
  browse_ = AddButton(panel, kBrowseBox, kBrowseCaption, kPanelFont, &SettingsDialog::OnBrowse);
}

HWND SettingsDialog::AddButton(HWND parent, const Box& box, const wchar_t* caption, const CaptionFont& ambientFont,
                               void (SettingsDialog::*onClick)()) {
  // What the dialog's layout stores of each button: caption and font.
  CommandButtonLayout layout{RectOf(box), PropertyBag{{L"caption", caption}, {L"font", FontToText(kMsPGothic)}},
                             ambientFont, [this, onClick] { (this->*onClick)(); }};
  return CreateCommandButton(parent, instance_, layout);
}

void SettingsDialog::Load() {
  CommandButtonOf(browse_).Initialize();
  for (HWND button : bottomButtons_) CommandButtonOf(button).Initialize();
  ShowChoice();
  SetWindowTextW(trackBox_, model_.TrackBoxText().c_str());
  for (const std::wstring& entry : TrackListEntries()) {
    SendMessageW(trackBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
  fileLabel_ = model_.FileLabel();
  if (!GetCursorPos(&zoomPoint_)) zoomPoint_ = {0, 0};
  ZoomFromPoint(dialog_, zoomPoint_);
}

void SettingsDialog::ShowChoice() {
  EnableWindow(trackBox_, FALSE);
  CommandButtonOf(browse_).SetEnabled(false);
  const ChoiceEnabling enabling = model_.Enabling();
  if (enabling.trackBox) EnableWindow(trackBox_, TRUE);
  if (enabling.browseButton) CommandButtonOf(browse_).SetEnabled(true);
  InvalidateRect(panel_, nullptr, FALSE);
}

void SettingsDialog::PaintDialog(HDC dc) {
  PaintBands(dc, kClientWidth, kClientHeight, DialogBandColour);
  const SelectedObject font(dc, labelFont_.get());
  DrawLabel(dc, kCreditBox, kCreditText, kWhite, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
}

void SettingsDialog::PaintPanel(HDC dc) {
  PaintBands(dc, kPanelBox.width, kPanelBox.height, PanelBandColour);

  const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  const HGDIOBJ previousPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  const RECT frame = RectOf(kHeadingFrameBox);
  Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
  const RECT fileFrame = RectOf(kFileNameBox);
  Rectangle(dc, fileFrame.left, fileFrame.top, fileFrame.right, fileFrame.bottom);
  SelectObject(dc, previousPen);
  SelectObject(dc, previousBrush);

  for (int kind = 0; kind < kChoiceCount; ++kind) {
    const ResourcePicture& mark = kind == model_.Kind() ? markSelected_ : markUnselected_;
    const Box& box = kChoiceMarkBoxes[kind];
    BitBlt(dc, box.left, box.top, kMarkPictureSize, kMarkPictureSize, mark.Dc(), 0, 0, SRCCOPY);
  }

  const SelectedObject font(dc, labelFont_.get());
  constexpr UINT kOneLine = DT_LEFT | DT_SINGLELINE | DT_NOCLIP;
  DrawLabel(dc, kHeadingBox, kHeadingText, kBlack, DT_CENTER | DT_SINGLELINE | DT_NOCLIP);
  DrawLabel(dc, kChoiceLabelBoxes[kAudioCd], kAudioCdText, kBlack, kOneLine);
  DrawLabel(dc, kRepeatLabelBox, kRepeatText, kBlack, kOneLine);
  DrawLabel(dc, kChoiceLabelBoxes[kNoMusic], kNoMusicText, kBlack, kOneLine);
  DrawLabel(dc, kChoiceLabelBoxes[kMusicFile], kMusicFileText, kBlack, kOneLine);
  // Inside its border; a long path breaks anywhere onto the second line.
  Box fileText = kFileNameBox;
  fileText.left += 1;
  fileText.top += 1;
  fileText.width -= 2;
  fileText.height -= 2;
  DrawLabel(dc, fileText, fileLabel_.c_str(), kBlack, DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL);
}

void SettingsDialog::OnPanelButtonDown(POINT at) {
  for (int kind = 0; kind < kChoiceCount; ++kind) {
    const RECT mark = RectOf(kChoiceMarkBoxes[kind]);
    const RECT label = RectOf(kChoiceLabelBoxes[kind]);
    if (PtInRect(&mark, at) || PtInRect(&label, at)) {
      model_.ChooseKind(static_cast<std::int16_t>(kind));
      ShowChoice();
      return;
    }
  }
}

void SettingsDialog::OnBrowse() {
  wchar_t fileName[kFileNameBufferLength] = L"";
  wchar_t fileTitle[kFileNameBufferLength] = L"";
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = dialog_;
  request.lpstrFilter = kMusicFileFilter;
  request.lpstrFile = fileName;
  request.nMaxFile = kFileNameBufferLength;
  request.lpstrFileTitle = fileTitle;
  request.nMaxFileTitle = kFileNameBufferLength;
  request.lpstrTitle = kOpenFileTitle;
  if (!GetOpenFileNameW(&request)) return;

  const std::wstring chosen(fileName);
  if (model_.ChooseFile(chosen) == SettingsDialogModel::FileChoice::NotStorable) {
    MessageBoxW(dialog_, (kFileNotStorableMessage + chosen).c_str(), kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  fileLabel_ = model_.FileLabel();
  InvalidateRect(panel_, nullptr, FALSE);
}

void SettingsDialog::OnSet() {
  const int length = GetWindowTextLengthW(trackBox_);
  std::wstring trackText(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(trackBox_, &trackText[0], length + 1);
  trackText.resize(static_cast<std::size_t>(length));
  if (model_.Save(trackText) == SettingsDialogModel::SaveOutcome::NotWritten) {
    // Closing now would lose the choice without a word; the user may free
    // the file and press Set again, or cancel.
    MessageBoxW(dialog_, (kNotSavedMessage + model_.SettingsPath()).c_str(), kApplicationTitle,
                MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  PostMessageW(dialog_, kCloseRequest, 0, 0);
}

void SettingsDialog::OnOtherWorks() {
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));  // IDC_WAIT
  ShellExecuteW(dialog_, L"open", kMakerWebPage, nullptr, nullptr, SW_SHOWNORMAL);
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // IDC_ARROW
}

void SettingsDialog::Close() {
  ZoomToPoint(dialog_, zoomPoint_);
  DestroyWindow(dialog_);
}

}  // namespace

void RunSettingsDialog(HINSTANCE instance, MusicSettings& settings, SettingsFile& file) {
  const SystemScaledScope scaled;
  if (!RegisterClasses(instance)) return;
  SettingsDialog dialog(instance, settings, file);
  dialog.Run();
}
