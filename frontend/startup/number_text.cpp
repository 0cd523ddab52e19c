#include "number_text.h"

#include <charconv>
#include <cmath>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the longest number that starts at `position` into a form
// std::from_chars reads; with `skipBlanks` blanks between its characters are
// passed over. `position` ends after the last character used.
std::string ScanNumber(const std::string& text, std::size_t& position, bool skipBlanks) {
  auto skip = [&] {
    while (skipBlanks && position < text.size() && IsBlank(text[position])) ++position;
  };
  auto take = [&](auto accept, std::string& into) {
    std::size_t count = 0;
    for (skip(); position < text.size() && accept(text[position]); skip(), ++count) into += text[position++];
    return count;
  };
  std::string number;
  skip();
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    if (text[position] == '-') number += '-';
    ++position;
  }
  std::size_t digits = take(IsDigit, number);
  if (position < text.size() && text[position] == '.') {
    number += text[position++];
    digits += take(IsDigit, number);
  }
  if (digits == 0) return std::string();

  // An exponent counts only when digits follow it.
  const std::size_t beforeExponent = position;
  skip();
  if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
    std::string exponent = "e";
    ++position;
    skip();
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) exponent += text[position++];
    if (take(IsDigit, exponent) > 0) return number + exponent;
  }
  position = beforeExponent;
  return number;
}

std::optional<double> Parse(const std::string& number) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ReadNumber(const std::string& text) {
  std::size_t position = 0;
  while (position < text.size() && IsBlank(text[position])) ++position;
  const std::string number = ScanNumber(text, position, false);
  while (position < text.size() && IsBlank(text[position])) ++position;
  if (number.empty() || position != text.size()) return std::nullopt;
  return Parse(number);
}

double ReadLeadingNumber(const std::string& text) {
  std::size_t position = 0;
  const std::string number = ScanNumber(text, position, true);
  return number.empty() ? 0.0 : Parse(number).value_or(0.0);
}

std::optional<std::int16_t> WholeInt16(double number) {
  const double whole = std::floor(number);
  if (!(whole >= -32768.0 && whole <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

std::optional<std::int32_t> RoundedInt32(double number) {
  const double whole = std::nearbyint(number);  // the default rounding mode sends halves to even
  if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}
