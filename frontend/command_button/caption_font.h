#pragma once
#include <optional>
#include <string>
#include <string_view>

// A font as a host's layout names it; the window shell turns it into a real
// font, falling back where the face is not installed.
struct CaptionFont {
  std::wstring face;
  double points = 9.0;
  int weight = 400;
  int charset = 0;

  bool operator==(const CaptionFont& other) const {
    return face == other.face && points == other.points && weight == other.weight && charset == other.charset;
  }
};

inline constexpr int kShiftJisCharset = 128;

// "ＭＳ Ｐゴシック" 9.75 pt, the face of every caption and label of the front end.
inline const CaptionFont kMsPGothic{L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF", 9.75, 400, kShiftJisCharset};

// "face,points,weight,charset", the form a property bag keeps.
std::wstring FontToText(const CaptionFont& font);
std::optional<CaptionFont> FontFromText(std::wstring_view text);
