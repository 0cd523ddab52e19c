#pragma once
#include <cstddef>
#include <optional>
#include <string>

// INI text as the Windows profile functions read it, worked on the raw bytes
// of a code page 932 file. Section and key names match without regard to
// ASCII case; double-byte characters match exactly. Only the first section of
// a name is looked at, and within it the first key of a name.

inline constexpr std::size_t kIniValueLimit = 255;

// The value of `key` in `section`: blanks around it dropped, double quotes
// around the whole of it removed, cut to at most 255 bytes without splitting
// a double-byte character. Empty when the section or the key is missing.
std::string ReadIniValue(const std::string& fileBytes, const std::string& section, const std::string& key);

// `fileBytes` with the value of `key` in `section` set to `value` and every
// other byte as it was; a missing section or key is added, in the file's own
// line-end style. Nothing when a name or the value cannot be stored on one
// line.
std::optional<std::string> WriteIniValue(const std::string& fileBytes, const std::string& section,
                                         const std::string& key, const std::string& value);
