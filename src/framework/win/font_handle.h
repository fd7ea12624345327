#pragma once
// GDI forms of the framework's font and colour values.

#include "framework/win/win_api.h"

#include "framework/colors.h"
#include "framework/font.h"
#include "framework/win/gdi.h"

UniqueFont CreateFontHandle(const TFont& font);

// A colour value as GDI takes it: system colours (0xFF000000 + n) resolved.
COLORREF ColorToRGB(TColor color);
