#include "button_face.h"

#include <cmath>

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kCaptionRaiseTwips = 20;
}  // namespace

void GradientDirection::Follow(ButtonState state) {
  if (state == ButtonState::Normal || state == ButtonState::Selected) reversed_ = false;
  if (state == ButtonState::HighLight) reversed_ = true;
}

VerticalGradient GradientDirection::Colours() const {
  if (reversed_) return {kGradientShade, kGradientLight};
  return {kGradientLight, kGradientShade};
}

std::array<FramePiece, 8> FramePieces(int faceWidth, int faceHeight) {
  constexpr int c = kSkinCorner;
  constexpr int skinMiddleWidth = kSkinWidth - 2 * c;
  constexpr int skinMiddleHeight = kSkinHeight - 2 * c;
  constexpr int skinRight = c + skinMiddleWidth;
  constexpr int skinBottom = c + skinMiddleHeight;
  const int middleWidth = faceWidth - 2 * c;
  const int middleHeight = faceHeight - 2 * c;
  const int right = c + middleWidth;
  const int bottom = c + middleHeight;
  return {{
      {{0, 0, c, c}, {0, 0, c, c}},
      {{c, 0, middleWidth, c}, {c, 0, skinMiddleWidth, c}},
      {{right, 0, c, c}, {skinRight, 0, c, c}},
      {{right, c, c, middleHeight}, {skinRight, c, c, skinMiddleHeight}},
      {{right, bottom, c, c}, {skinRight, skinBottom, c, c}},
      {{c, bottom, middleWidth, c}, {c, skinBottom, skinMiddleWidth, c}},
      {{0, bottom, c, c}, {0, skinBottom, c, c}},
      {{0, c, c, middleHeight}, {0, c, c, skinMiddleHeight}},
  }};
}

int CaptionTop(int faceHeight, int captionHeight) {
  const double topTwips = ((faceHeight - captionHeight) * kTwipsPerPixel - kCaptionRaiseTwips) / 2.0;
  return static_cast<int>(std::lround(topTwips / kTwipsPerPixel));
}
