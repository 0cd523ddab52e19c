#include "music_choice.h"

#include <gtest/gtest.h>

namespace {

TEST(MusicChoice, EnablingByKind) {
  const struct {
    std::int16_t kind;
    bool trackBox;
    bool browseButton;
  } cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, false, false}, {-1, false, false}};
  for (const auto& c : cases) {
    const ChoiceEnabling enabling = EnablingFor(c.kind);
    EXPECT_EQ(enabling.trackBox, c.trackBox) << c.kind;
    EXPECT_EQ(enabling.browseButton, c.browseButton) << c.kind;
  }
}

}  // namespace
