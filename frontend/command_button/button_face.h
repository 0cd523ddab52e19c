#pragma once
#include <array>
#include <cstdint>

#include "button_machine.h"

// 16-bit intensities, as the platform's gradient call takes them.
struct GradientColour {
  std::uint16_t red;
  std::uint16_t green;
  std::uint16_t blue;
};

inline constexpr GradientColour kGradientLight{0xFF00, 0xFF00, 0xFF00};
inline constexpr GradientColour kGradientShade{0xC600, 0xC500, 0xD700};  // pale lavender grey

struct VerticalGradient {
  GradientColour top;
  GradientColour bottom;
};

// Light at the top normally; shade at the top while hovered, so the face looks
// lit from below. A face painted in a state without a rule of its own (0, 4)
// keeps the direction of the state before, so HighLightSelect reached from a
// hover stays reversed and reached from the focus does not.
class GradientDirection {
 public:
  void Follow(ButtonState state);
  bool Reversed() const { return reversed_; }
  VerticalGradient Colours() const;

 private:
  bool reversed_ = false;
};

struct PixelRect {
  int x;
  int y;
  int width;
  int height;
};

struct FramePiece {
  PixelRect destination;
  PixelRect source;
};

inline constexpr int kSkinWidth = 64;
inline constexpr int kSkinHeight = 25;
inline constexpr int kSkinCorner = 4;

// The skin's outer band cut into four corners at their own size and four
// edges stretched to the face, in drawing order: top-left, top, top-right,
// right, bottom-right, bottom, bottom-left, left. The middle is not drawn, so
// the gradient shows there.
std::array<FramePiece, 8> FramePieces(int faceWidth, int faceHeight);

// Top of the caption line: centred, 10 twips (2/3 pixel) above the middle.
int CaptionTop(int faceHeight, int captionHeight);
