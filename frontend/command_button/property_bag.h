#pragma once
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>

// A host's stored values for one control, as text. Keys are matched without
// regard to case; a value equal to its write default is not kept, so a layout
// holds only what differs from the defaults.
class PropertyBag {
 public:
  PropertyBag() = default;
  PropertyBag(std::initializer_list<std::pair<std::wstring_view, std::wstring_view>> values);

  // The stored value, or readDefault when the key is missing.
  std::wstring Read(std::wstring_view key, std::wstring_view readDefault) const;
  void Write(std::wstring_view key, std::wstring_view value, std::wstring_view writeDefault);
  bool Holds(std::wstring_view key) const;

 private:
  std::map<std::wstring, std::wstring> values_;  // by lower-case key
};
