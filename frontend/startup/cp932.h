#pragma once
#include <functional>
#include <string>

// Settings and MCI text travel as code page 932 bytes; the platform turns
// them into UTF-16 before any file call, whatever the display language.
using Cp932Decoder = std::function<std::wstring(const std::string& bytes)>;

// First byte of a double-byte character. Its second byte may look like an
// ASCII letter, bracket or backslash, so byte-wise scans must step over it.
inline bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length in bytes of the character that starts at `position`.
inline std::size_t Cp932CharLength(const std::string& text, std::size_t position) {
  const bool pair = IsCp932LeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size();
  return pair ? 2 : 1;
}
