#include "startup_mode.h"

#include <optional>

#include "number_text.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring ArgumentText(const std::wstring& commandLine) {
  std::size_t position = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    const std::size_t closing = commandLine.find(L'"', 1);
    position = closing == std::wstring::npos ? commandLine.size() : closing + 1;
  } else {
    while (position < commandLine.size() && !IsBlank(commandLine[position])) ++position;
  }
  while (position < commandLine.size() && IsBlank(commandLine[position])) ++position;
  return commandLine.substr(position);
}

wchar_t SwitchLetter(const std::wstring& argumentText) {
  if (argumentText.size() < 2) return 0;
  const wchar_t letter = argumentText[1];
  return (letter >= L'a' && letter <= L'z') ? static_cast<wchar_t>(letter - L'a' + L'A') : letter;
}

StartupMode ChooseStartupMode(const std::wstring& argumentText) {
  switch (SwitchLetter(argumentText)) {
    case L'P':
      return StartupMode::Preview;
    case L'C':
      return StartupMode::Configure;
    case L'S':
      return StartupMode::Run;
    default:
      return argumentText.empty() ? StartupMode::RunKeepingCursor : StartupMode::End;
  }
}

std::int32_t PreviewParentHandle(const std::wstring& argumentText) {
  if (argumentText.size() <= 3) return 0;
  // Only ASCII can belong to a number; anything else ends the reading.
  std::string narrow;
  for (std::size_t i = 3; i < argumentText.size(); ++i) {
    const wchar_t c = argumentText[i];
    narrow += (c > 0 && c < 0x80) ? static_cast<char>(c) : '\x01';
  }
  return RoundedInt32(ReadLeadingNumber(narrow)).value_or(0);
}
