#include "command_button.h"

#include <cwchar>
#include <optional>
#include <utility>

namespace {

constexpr wchar_t kEnabledKey[] = L"Enabled";
constexpr wchar_t kCaptionKey[] = L"Caption";
constexpr wchar_t kFirstRunKey[] = L"FirstRun";
constexpr wchar_t kFontKey[] = L"Font";
constexpr wchar_t kFontColourKey[] = L"FontColour";
constexpr wchar_t kVisibleKey[] = L"Visible";

constexpr wchar_t kCaptionWriteDefault[] = L"Command";
// Differs from the write default on purpose: a host that never named its
// button sees it numbered.
constexpr wchar_t kCaptionReadDefault[] = L"Command1";

std::wstring BooleanText(bool value) { return value ? L"True" : L"False"; }

std::optional<long long> IntegerFromText(const std::wstring& text, long long lowest, long long highest) {
  if (text.empty()) return std::nullopt;
  wchar_t* end = nullptr;
  const long long value = std::wcstoll(text.c_str(), &end, 10);
  if (*end != L'\0' || value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<bool> BooleanFromText(const std::wstring& text) {
  if (text == L"True" || text == L"true") return true;
  if (text == L"False" || text == L"false") return false;
  if (const auto number = IntegerFromText(text, -32768, 32767)) return *number != 0;
  return std::nullopt;
}

}  // namespace

void CommandButton::Initialize() {
  machine_.Initialize();
  view_.StartPointerCheck();
}

std::uint8_t CommandButton::Visible() {
  if (backStyle_ == 0) return 0;
  RefreshNormalLook();
  return 255;
}

void CommandButton::SetVisible(std::uint8_t visible) {
  if (visible != 0) {
    backStyle_ = 1;
    RefreshNormalLook();
  } else {
    backStyle_ = 0;
  }
  view_.ShowCaption();
}

std::uint32_t CommandButton::FontColour() {
  const std::uint32_t colour = caption_.colour;
  RefreshNormalLook();
  return colour;
}

void CommandButton::SetFontColour(std::uint32_t colour) {
  caption_.colour = colour;
  RefreshNormalLook();
  view_.ShowCaption();
}

bool CommandButton::Enabled() {
  // The first read turns a button that was never loaded from a layout into a
  // working one.
  if (firstRun_ == 0) {
    RefreshNormalLook();
    firstRun_ = 1;
    machine_.SetEnabled(true);
  }
  const bool enabled = machine_.Enabled();
  ShowEnabledLook();
  return enabled;
}

void CommandButton::SetEnabled(bool enabled) {
  machine_.SetEnabled(enabled);
  ShowEnabledLook();
}

void CommandButton::SetCaption(std::wstring caption) {
  caption_.text = std::move(caption);
  view_.ShowCaption();
}

void CommandButton::SetFont(CaptionFont font) {
  caption_.font = std::move(font);
  view_.ShowCaption();
}

void CommandButton::ReadProperties(const PropertyBag& bag, const CaptionFont& ambientFont) {
  // A value that cannot be converted leaves its target as it was.
  if (const auto enabled = BooleanFromText(bag.Read(kEnabledKey, BooleanText(true)))) machine_.SetEnabled(*enabled);
  caption_.text = bag.Read(kCaptionKey, kCaptionReadDefault);
  if (const auto font = FontFromText(bag.Read(kFontKey, FontToText(ambientFont)))) caption_.font = *font;
  if (const auto firstRun = IntegerFromText(bag.Read(kFirstRunKey, L"1"), 0, 255)) {
    firstRun_ = static_cast<std::uint8_t>(*firstRun);
  }
  if (const auto colour = IntegerFromText(bag.Read(kFontColourKey, L"0"), 0, 0xFFFFFFFF)) {
    caption_.colour = static_cast<std::uint32_t>(*colour);
  }
  if (const auto backStyle = IntegerFromText(bag.Read(kVisibleKey, L"1"), -32768, 32767)) {
    backStyle_ = static_cast<std::int16_t>(*backStyle);
  }
  RefreshNormalLook();
  view_.ShowCaption();
}

void CommandButton::WriteProperties(PropertyBag& bag, const CaptionFont& ambientFont) {
  bag.Write(kEnabledKey, BooleanText(machine_.Enabled()), BooleanText(true));
  bag.Write(kCaptionKey, caption_.text, kCaptionWriteDefault);
  bag.Write(kFirstRunKey, std::to_wstring(firstRun_), L"1");
  bag.Write(kFontKey, FontToText(caption_.font), FontToText(ambientFont));
  bag.Write(kFontColourKey, std::to_wstring(caption_.colour), L"0");
  bag.Write(kVisibleKey, std::to_wstring(backStyle_), L"1");
  RefreshNormalLook();
}

void CommandButton::Apply(const ButtonReaction& reaction) {
  if (reaction.paint) Paint(*reaction.paint);
  if (reaction.click) view_.RaiseClick();
}

void CommandButton::Paint(Skin skin) {
  gradient_.Follow(machine_.State());
  view_.PaintFace(skin, gradient_.Colours());
}

void CommandButton::ShowEnabledLook() {
  const bool enabled = machine_.Enabled();
  Paint(enabled ? Skin::Normal : Skin::Disable);
  caption_.greyed = !enabled;
  view_.ShowCaption();
}

void CommandButton::RefreshNormalLook() {
  if (!machine_.Enabled()) return;
  caption_.greyed = false;
  // Until the button has been loaded or its Enabled read, a colour set by the
  // host does not last.
  if (firstRun_ == 0) caption_.colour = 0;
  Paint(Skin::Normal);
}
