#include "property_bag.h"

namespace {

std::wstring LowerCaseKey(std::wstring_view key) {
  std::wstring lower(key);
  for (wchar_t& c : lower) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return lower;
}

}  // namespace

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::wstring_view, std::wstring_view>> values) {
  for (const auto& [key, value] : values) values_[LowerCaseKey(key)] = std::wstring(value);
}

std::wstring PropertyBag::Read(std::wstring_view key, std::wstring_view readDefault) const {
  const auto found = values_.find(LowerCaseKey(key));
  return found != values_.end() ? found->second : std::wstring(readDefault);
}

void PropertyBag::Write(std::wstring_view key, std::wstring_view value, std::wstring_view writeDefault) {
  if (value == writeDefault) {
    values_.erase(LowerCaseKey(key));
  } else {
    values_[LowerCaseKey(key)] = std::wstring(value);
  }
}

bool PropertyBag::Holds(std::wstring_view key) const { return values_.count(LowerCaseKey(key)) != 0; }
