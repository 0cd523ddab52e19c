#pragma once
#include <windows.h>

// The caption-zoom between a point on the screen (where the pointer was when
// the dialog opened) and a window's frame.
void ZoomFromPoint(HWND window, POINT from);
void ZoomToPoint(HWND window, POINT to);
