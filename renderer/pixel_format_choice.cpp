#include "pixel_format_choice.h"

int ScorePixelFormat(const PixelFormatTraits& format) {
  constexpr std::uint32_t required = pfd::kSupportOpenGl | pfd::kDrawToWindow | pfd::kDoubleBuffer;
  if ((format.flags & required) != required || format.pixelType != pfd::kTypeRgba) return 0;

  int score = format.colourBits + 2 * format.depthBits;
  if (format.colourBits > 16) score += (16 - format.colourBits) / 2;
  if ((format.flags & pfd::kGenericFormat) == 0) {
    score += 2000;
  } else if ((format.flags & pfd::kGenericAccelerated) != 0) {
    score += 1000;
  }
  return score;
}

int ChooseBestPixelFormat(const std::function<std::optional<PixelFormatTraits>(int index)>& describe) {
  int bestScore = 0;
  int chosen = 0;
  for (int index = 1;; ++index) {
    const std::optional<PixelFormatTraits> format = describe(index);
    if (!format) break;
    const int score = ScorePixelFormat(*format);
    if (score > bestScore) {  // ties keep the lower index
      bestScore = score;
      chosen = index;
    }
  }
  return chosen;
}
