#include "pixel_format.h"

#include "pixel_format_choice.h"

void ChoosePixelFormatForScene(HDC dc) {
  PIXELFORMATDESCRIPTOR descriptor{};
  const int chosen = ChooseBestPixelFormat([&](int index) -> std::optional<PixelFormatTraits> {
    if (DescribePixelFormat(dc, index, sizeof(descriptor), &descriptor) == 0) return std::nullopt;
    return PixelFormatTraits{descriptor.dwFlags, descriptor.iPixelType, descriptor.cColorBits, descriptor.cDepthBits};
  });

  if (chosen != 0) {
    DescribePixelFormat(dc, chosen, sizeof(descriptor), &descriptor);
    SetPixelFormat(dc, chosen, &descriptor);
    return;
  }

  PIXELFORMATDESCRIPTOR request{};
  request.nSize = sizeof(request);
  request.nVersion = 1;
  request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  request.iPixelType = PFD_TYPE_RGBA;
  request.cColorBits = 24;
  request.cDepthBits = 24;
  SetPixelFormat(dc, ChoosePixelFormat(dc, &request), &request);
}
