#include "pixel_format_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t kUsable = pfd::kSupportOpenGl | pfd::kDrawToWindow | pfd::kDoubleBuffer;
constexpr std::uint32_t kHardware = kUsable;
constexpr std::uint32_t kAccelerated = kUsable | pfd::kGenericFormat | pfd::kGenericAccelerated;
constexpr std::uint32_t kSoftware = kUsable | pfd::kGenericFormat;

PixelFormatTraits Format(std::uint32_t flags, int colour, int depth, std::uint8_t type = pfd::kTypeRgba) {
  return {flags, type, static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(depth)};
}

int Choose(const std::vector<PixelFormatTraits>& formats) {
  return ChooseBestPixelFormat([&](int index) -> std::optional<PixelFormatTraits> {
    if (index < 1 || index > static_cast<int>(formats.size())) return std::nullopt;
    return formats[index - 1];
  });
}

}  // namespace

TEST(PixelFormatChoice, Scores) {
  struct Case {
    PixelFormatTraits format;
    int score;
  } const cases[] = {
      {Format(kHardware, 32, 24), 2072},
      {Format(kHardware, 24, 24), 2068},
      {Format(kHardware, 16, 16), 2048},
      {Format(kAccelerated, 16, 16), 1048},
      {Format(kSoftware, 16, 16), 48},
      {Format(kHardware, 17, 0), 2017},  // (16 - 17) / 2 truncates to 0
      {Format(kSoftware, 32, 32), 88},
      {Format(kHardware | pfd::kGenericAccelerated, 24, 0), 2020},  // not generic: hardware wins
      // Ineligible: each required flag missing, or colour-index pixels.
      {Format(kHardware & ~pfd::kSupportOpenGl, 32, 24), 0},
      {Format(kHardware & ~pfd::kDrawToWindow, 32, 24), 0},
      {Format(kHardware & ~pfd::kDoubleBuffer, 32, 24), 0},
      {Format(kHardware, 32, 24, 1), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScorePixelFormat(c.format), c.score)
        << "flags " << c.format.flags << " colour " << int(c.format.colourBits) << " depth " << int(c.format.depthBits);
  }
}

TEST(PixelFormatChoice, Choices) {
  struct Case {
    const char* name;
    std::vector<PixelFormatTraits> formats;
    int chosen;
  } const cases[] = {
      {"best of several", {Format(kSoftware, 32, 24), Format(kHardware, 16, 16), Format(kHardware, 32, 24)}, 3},
      {"deep depth beats wide colour", {Format(kHardware, 32, 16), Format(kHardware, 16, 24)}, 2},
      {"tie keeps the lower index", {Format(kSoftware, 8, 8), Format(kHardware, 24, 24), Format(kHardware, 24, 24)}, 2},
      {"accelerated beats software", {Format(kSoftware, 32, 32), Format(kAccelerated, 16, 0)}, 2},
      {"nothing offered falls back", {}, 0},
      {"only ineligible falls back", {Format(kHardware & ~pfd::kDoubleBuffer, 32, 24), Format(kHardware, 32, 24, 1)}, 0},
      {"only zero scores fall back", {Format(kSoftware, 0, 0)}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Choose(c.formats), c.chosen) << c.name;
}

TEST(PixelFormatChoice, StopsAtTheFirstIndexThatCannotBeDescribed) {
  std::vector<int> asked;
  const int chosen = ChooseBestPixelFormat([&](int index) -> std::optional<PixelFormatTraits> {
    asked.push_back(index);
    if (index == 3) return std::nullopt;
    return Format(index == 4 ? kHardware : kSoftware, 16, 16);
  });
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(asked, (std::vector<int>{1, 2, 3}));
}
