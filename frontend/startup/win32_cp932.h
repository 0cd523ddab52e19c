#pragma once
#include <string>

// NOTE: code page 932 is named explicitly rather than the ANSI code page, so
// the settings file's Japanese text reads right on every display language.
std::wstring DecodeCp932(const std::string& bytes);
std::string EncodeCp932(const std::wstring& text);
