#pragma once
#include "frame_clock.h"
#include "scene.h"

// Advances every sheet by the time since the last frame, draws them on black
// and presents the picture.
void RenderFrame(Scene& scene, FrameClock& clock);
