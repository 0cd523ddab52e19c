#include "win32_cp932.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage932 = 932;
}

std::wstring DecodeCp932(const std::string& bytes) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(kCodePage932, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage932, 0, bytes.data(), size, text.data(), length);
  return text;
}

std::string EncodeCp932(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(kCodePage932, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage932, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}
