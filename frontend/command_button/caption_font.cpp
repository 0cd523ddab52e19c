#include "caption_font.h"

#include <cwchar>
#include <string>

std::wstring FontToText(const CaptionFont& font) {
  wchar_t points[32];
  std::swprintf(points, sizeof points / sizeof points[0], L"%g", font.points);
  return font.face + L"," + points + L"," + std::to_wstring(font.weight) + L"," + std::to_wstring(font.charset);
}

std::optional<CaptionFont> FontFromText(std::wstring_view text) {
  // The face comes first and may itself hold commas, so the numbers are
  // taken from the end.
  const std::size_t charsetComma = text.rfind(L',');
  if (charsetComma == std::wstring_view::npos || charsetComma == 0) return std::nullopt;
  const std::size_t weightComma = text.rfind(L',', charsetComma - 1);
  if (weightComma == std::wstring_view::npos || weightComma == 0) return std::nullopt;
  const std::size_t pointsComma = text.rfind(L',', weightComma - 1);
  if (pointsComma == std::wstring_view::npos) return std::nullopt;

  const std::wstring points(text.substr(pointsComma + 1, weightComma - pointsComma - 1));
  const std::wstring weight(text.substr(weightComma + 1, charsetComma - weightComma - 1));
  const std::wstring charset(text.substr(charsetComma + 1));
  CaptionFont font;
  font.face = std::wstring(text.substr(0, pointsComma));
  wchar_t* end = nullptr;
  font.points = std::wcstod(points.c_str(), &end);
  if (points.empty() || *end != L'\0' || !(font.points > 0)) return std::nullopt;
  font.weight = static_cast<int>(std::wcstol(weight.c_str(), &end, 10));
  if (weight.empty() || *end != L'\0') return std::nullopt;
  font.charset = static_cast<int>(std::wcstol(charset.c_str(), &end, 10));
  if (charset.empty() || *end != L'\0') return std::nullopt;
  return font;
}
