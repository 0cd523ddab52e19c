#pragma once
#include <optional>
#include <string>

// Code page 932 bytes of `text`, or nothing when some character has no exact
// counterpart there. Windows would otherwise store a look-alike or "?" and
// the file could no longer name what the user chose.
std::optional<std::string> EncodeCp932Exactly(const std::wstring& text);
