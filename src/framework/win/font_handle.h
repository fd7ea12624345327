#pragma once
// GDI forms of the framework's font and colour values.

#include "framework/win/win_api.h"

#include "framework/colors.h"
#include "framework/font.h"
#include "framework/win/gdi.h"

UniqueFont CreateFontHandle(const TFont& font);

// The running system's colours (GetSysColor).
const TSystemColours& WindowsSystemColours();

// A colour value as GDI takes it: WindowsSystemColours().Resolve(color).
COLORREF ColorToRGB(TColor color);

// A solid brush of a colour value, system colours resolved.
UniqueBrush CreateColorBrush(TColor color);
