#pragma once

class GlowSheet;

// Draws the sheet's grid facing the viewer, each point lifted toward the eye
// by its glow and coloured so that only glowing points show. Needs a current
// context with additive blending.
void DrawSheet(const GlowSheet& sheet);
