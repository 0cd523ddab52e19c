#pragma once
#include <windows.h>

#include "backdrop_bands.h"

// One row per pixel, shaded by its place between the top and bottom edges.
void PaintBands(HDC dc, int width, int height, BandColour (*colourFor)(int shade));
