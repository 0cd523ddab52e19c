#pragma once
#include <cstdint>
#include <string>

// What this start of the front end is for, chosen by the screen-saver switch.
enum class StartupMode {
  Preview,           // P: the still inside the given window
  Configure,         // C: the settings dialog
  Run,               // S: the saver, mouse cursor hidden
  RunKeepingCursor,  // no arguments: the saver, cursor left alone
  End,               // anything else: end once the renderer check has passed
};

// The argument text of a full command line: the program name (quoted or not)
// and the blanks after it removed.
std::wstring ArgumentText(const std::wstring& commandLine);

// The second character of the argument text, upper-cased; the first (usually
// a slash) is never looked at. 0 when the text is shorter than two.
wchar_t SwitchLetter(const std::wstring& argumentText);

StartupMode ChooseStartupMode(const std::wstring& argumentText);

// The preview's parent window number, read from the fourth character on:
// "/p 1234" and "/p:1234" give 1234, "/p1234" gives 234. 0 when there is no
// number or it does not fit a signed 32-bit value.
std::int32_t PreviewParentHandle(const std::wstring& argumentText);
