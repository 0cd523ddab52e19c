#pragma once
#include <cstdint>
#include <functional>
#include <optional>

// The fields of a PIXELFORMATDESCRIPTOR that decide the choice; stencil,
// alpha, accumulation and swap method play no part.
struct PixelFormatTraits {
  std::uint32_t flags;
  std::uint8_t pixelType;
  std::uint8_t colourBits;
  std::uint8_t depthBits;
};

// Values of the Windows PFD_* constants, so the choice can be made and tested
// without windows.h.
namespace pfd {
inline constexpr std::uint32_t kDoubleBuffer = 0x00000001;
inline constexpr std::uint32_t kDrawToWindow = 0x00000004;
inline constexpr std::uint32_t kSupportOpenGl = 0x00000020;
inline constexpr std::uint32_t kGenericFormat = 0x00000040;
inline constexpr std::uint32_t kGenericAccelerated = 0x00001000;
inline constexpr std::uint8_t kTypeRgba = 0;
}  // namespace pfd

// 0 for a format the scene cannot use; otherwise colour bits plus twice the
// depth bits, less the colour bits above 16 halved, plus 2000 for a hardware
// driver's format or 1000 for an accelerated generic one.
int ScorePixelFormat(const PixelFormatTraits& format);

// Describes formats 1, 2, 3, ... until `describe` has none, and returns the
// index of the first best-scoring one, or 0 when nothing scores above 0 (the
// caller then falls back to the system's own choice).
int ChooseBestPixelFormat(const std::function<std::optional<PixelFormatTraits>(int index)>& describe);
