#include "cp932_exact.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage932 = 932;
}  // namespace

std::optional<std::string> EncodeCp932Exactly(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int length = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  const int size =
      WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length, &bytes[0], size, nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;

  // NOTE: the best-fit table is not the same on every Windows version and
  // Wine; only a round trip proves the bytes name the same file.
  const int backLength = MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  std::wstring back(static_cast<std::size_t>(backLength > 0 ? backLength : 0), L'\0');
  if (backLength > 0) MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes.data(), size, &back[0], backLength);
  if (back != text) return std::nullopt;
  return bytes;
}
