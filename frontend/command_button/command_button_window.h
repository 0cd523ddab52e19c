#pragma once
#include <windows.h>

#include <functional>

#include "command_button.h"

// What a host gives each of its buttons.
struct CommandButtonLayout {
  RECT bounds;              // in the parent's client area, pixels
  PropertyBag properties;   // the host's stored values
  CaptionFont ambientFont;  // the host's own font
  std::function<void()> onClick;
};

// The window class of the skinned button. Its pictures come from the
// program's resources.
bool RegisterCommandButtonClass(HINSTANCE instance);
HWND CreateCommandButton(HWND parent, HINSTANCE instance, const CommandButtonLayout& layout);

// The button behind a window of the class, for its host: Initialize, Enabled
// and the other properties. The window must be one CreateCommandButton made.
CommandButton& CommandButtonOf(HWND button);
