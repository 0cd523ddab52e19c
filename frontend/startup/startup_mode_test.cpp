#include "startup_mode.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupModeTest, DispatchOnTheSecondCharacter) {
  const std::pair<std::wstring, StartupMode> cases[] = {
      {L"/p 1234", StartupMode::Preview},
      {L"/P:1234", StartupMode::Preview},
      {L"/c", StartupMode::Configure},
      {L"/c:1234", StartupMode::Configure},
      {L"/C 1234", StartupMode::Configure},
      {L"/s", StartupMode::Run},
      {L"/S", StartupMode::Run},
      {L"-s", StartupMode::Run},
      {L"xs", StartupMode::Run},
      {L"", StartupMode::RunKeepingCursor},
      {L"/a 1234", StartupMode::End},
      {L"/x", StartupMode::End},
      {L"s", StartupMode::End},
      {L"/", StartupMode::End},
  };
  for (const auto& [text, mode] : cases)
    EXPECT_EQ(ChooseStartupMode(text), mode) << std::string(text.begin(), text.end());
}

TEST(StartupModeTest, ArgumentTextFollowsTheProgramName) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"C:\\WINDOWS\\MIRAVEL.SCR /s", L"/s"},
      {L"\"C:\\Program Files\\Miravel.scr\"   /p 1234", L"/p 1234"},
      {L"\"C:\\a b\\Miravel.scr\"/c", L"/c"},
      {L"Miravel.scr", L""},
      {L"Miravel.scr   ", L""},
      {L"\"C:\\unclosed", L""},
  };
  for (const auto& [line, arguments] : cases) EXPECT_EQ(ArgumentText(line), arguments);
}

TEST(StartupModeTest, PreviewParentFromTheFourthCharacterOn) {
  const std::pair<std::wstring, std::int32_t> cases[] = {
      {L"/p 1234", 1234},
      {L"/p:1234", 1234},
      {L"/p  1234", 1234},
      {L"/p1234", 234},
      {L"/p", 0},
      {L"/p ", 0},
      {L"/p abc", 0},
      {L"/p 12 34", 1234},
      {L"/p 66110x", 66110},
      {L"/p 2147483647", 2147483647},
      {L"/p 2147483648", 0},
      {L"/p -5", -5},
  };
  for (const auto& [text, handle] : cases)
    EXPECT_EQ(PreviewParentHandle(text), handle) << std::string(text.begin(), text.end());
}

}  // namespace
