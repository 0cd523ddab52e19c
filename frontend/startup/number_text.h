#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Text that is wholly a decimal number, blanks around it allowed: an optional
// sign, digits with an optional fraction, an optional exponent. Nothing for
// any other text, the empty text included.
std::optional<double> ReadNumber(const std::string& text);

// The number at the start of the text, the way the forms run time's Val reads
// it: blanks anywhere are skipped, reading stops at the first character that
// cannot belong to the number, and no number at all gives 0.
double ReadLeadingNumber(const std::string& text);

// Rounded down (toward minus infinity); nothing outside -32768 to 32767.
std::optional<std::int16_t> WholeInt16(double number);

// Rounded to the nearest whole number, halves to even; nothing outside the
// signed 32-bit range.
std::optional<std::int32_t> RoundedInt32(double number);
