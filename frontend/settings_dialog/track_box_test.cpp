#include "track_box.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackBox, TextToTrack) {
  const struct {
    const wchar_t* text;
    int track;
  } cases[] = {
      {L"12", 12},       {L"07", 7},          {L" 12 ", 12}, {L"2.5", 2},     {L"3.5", 4}, {L"2.51", 3},
      {L"-3", -3},       {L"-2.5", -2},       {L"+4", 4},    {L"5.", 5},      {L".6", 1},  {L"", 0},
      {L"abc", 0},       {L"1a", 0},          {L"1 2", 0},   {L"-", 0},       {L".", 0},   {L"1e2", 0},
      {L"32767", 32767}, {L"-32768", -32768}, {L"40000", 0}, {L"32767.5", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TrackFromText(c.text), c.track) << "\"" << c.text << "\"";
}

TEST(TrackBox, TrackToText) {
  EXPECT_EQ(TrackText(0), L"");
  EXPECT_EQ(TrackText(12), L"12");
  EXPECT_EQ(TrackText(-3), L"-3");
}

TEST(TrackBox, ListOffersTheWholeDiscThenOneToThirty) {
  const std::vector<std::wstring> entries = TrackListEntries();
  ASSERT_EQ(entries.size(), 31u);
  EXPECT_EQ(entries[0], L"");
  EXPECT_EQ(entries[1], L"1");
  EXPECT_EQ(entries[30], L"30");
}

}  // namespace
