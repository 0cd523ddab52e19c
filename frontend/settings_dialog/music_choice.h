#pragma once
#include <cstdint>

// Which of the dialog's music controls a music kind enables. A kind outside
// 0 to 2, read from a hand-edited file, enables neither and marks no choice.
struct ChoiceEnabling {
  bool trackBox;
  bool browseButton;
};

inline constexpr int kChoiceCount = 3;  // no music, audio CD, music file

ChoiceEnabling EnablingFor(std::int16_t kind);
