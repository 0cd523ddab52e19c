#pragma once
#include <windows.h>

#include "caption_font.h"
#include "gdi_objects.h"

// A real font for a layout's font. A Japanese face that is not installed (the
// Windows Japanese fonts on a Western system, or under Wine) is replaced by
// one that is, so the text never shows as boxes.
UniqueFont CreateFontFor(const CaptionFont& font);
