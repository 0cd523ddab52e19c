#pragma once
#include <array>

// Where everything of the dialog sits, in pixels at 96 dots per inch:
// dialog controls relative to its client area, panel controls relative to
// the panel.

struct Box {
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int kClientWidth = 479;
inline constexpr int kClientHeight = 252;

inline constexpr Box kPanelBox{12, 16, 453, 169};
inline constexpr Box kCreditBox{12, 196, 165, 13};
inline constexpr Box kOtherWorksBox{192, 200, 125, 25};
inline constexpr Box kSetBox{320, 200, 73, 25};
inline constexpr Box kCancelBox{396, 200, 69, 25};

inline constexpr Box kHeadingFrameBox{20, 20, 113, 21};
inline constexpr Box kHeadingBox{20, 24, 111, 13};
inline constexpr Box kTrackBoxBox{92, 52, 41, 20};
inline constexpr Box kRepeatLabelBox{136, 56, 66, 13};
inline constexpr Box kBrowseBox{36, 116, 29, 21};
inline constexpr Box kFileNameBox{68, 116, 357, 33};

// The music choices, indexed by the kind they stand for: no music, audio CD,
// music file. The labels are sized to their text; these are their corners.
inline constexpr std::array<Box, 3> kChoiceMarkBoxes{{{20, 76, 13, 13}, {20, 56, 13, 13}, {20, 96, 13, 13}}};
inline constexpr std::array<Box, 3> kChoiceLabelBoxes{{{36, 76, 23, 13}, {36, 56, 43, 13}, {36, 96, 60, 13}}};
inline constexpr int kMarkPictureSize = 12;
