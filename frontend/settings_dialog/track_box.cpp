#include "track_box.h"

#include <limits>

namespace {

constexpr int kLastListedTrack = 30;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The fraction decides the rounding on its own digits, so no binary floating
// point blurs a tie such as 2.5.
bool RoundsUp(std::wstring_view fraction, long long whole) {
  if (fraction.empty() || fraction.front() < L'5') return false;
  if (fraction.front() > L'5') return true;
  for (wchar_t c : fraction.substr(1)) {
    if (c != L'0') return true;
  }
  return whole % 2 != 0;
}

}  // namespace

std::int16_t TrackFromText(std::wstring_view text) {
  text = Trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find(L'.');
  const std::wstring_view wholeDigits = text.substr(0, point);
  const std::wstring_view fraction = point == std::wstring_view::npos ? std::wstring_view() : text.substr(point + 1);
  if (wholeDigits.empty() && fraction.empty()) return 0;
  for (wchar_t c : wholeDigits) {
    if (!IsDigit(c)) return 0;
  }
  for (wchar_t c : fraction) {
    if (!IsDigit(c)) return 0;
  }

  constexpr long long kLimit = 1LL << 16;
  long long whole = 0;
  for (wchar_t c : wholeDigits) {
    whole = whole * 10 + (c - L'0');
    if (whole > kLimit) return 0;
  }
  if (RoundsUp(fraction, whole)) ++whole;
  const long long track = negative ? -whole : whole;
  if (track < std::numeric_limits<std::int16_t>::min() || track > std::numeric_limits<std::int16_t>::max()) return 0;
  return static_cast<std::int16_t>(track);
}

std::wstring TrackText(int track) { return track == 0 ? std::wstring() : std::to_wstring(track); }

std::vector<std::wstring> TrackListEntries() {
  std::vector<std::wstring> entries;
  for (int track = 0; track <= kLastListedTrack; ++track) entries.push_back(TrackText(track));
  return entries;
}
