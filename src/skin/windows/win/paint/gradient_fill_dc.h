#pragma once
// Gradients straight onto a device context: one-pixel lines, a solid brush
// each, colours from the shared gradient table cache.

#include <windows.h>

#include "skin/data/image/colour.h"

// Direction 0: columns left to right; any other: rows top to bottom. Only
// the lines inside the device context's clip box are drawn.
void GradientFill(HDC dc, const RECT& rect, TColor from, TColor to, int direction);
