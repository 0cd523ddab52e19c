#pragma once
#include <windows.h>

// Sets the best-scoring pixel format the device context offers, or the
// system's choice for a double-buffered 24-bit RGBA request when none fits.
void ChoosePixelFormatForScene(HDC dc);
