#pragma once
#include <windows.h>

#include <cstdint>

inline constexpr int kPreviewStillId = 101;
inline constexpr int kPreviewStillWidth = 152;
inline constexpr int kPreviewStillHeight = 112;

// Shows the still of the animation inside the window `parentHandle` (from
// the command line) until that window has gone.
int RunPreview(HINSTANCE instance, std::int32_t parentHandle);
