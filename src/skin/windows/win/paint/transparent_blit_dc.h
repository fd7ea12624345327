#pragma once
// The transparent copy onto a device context: one masked blit (the Windows NT
// family's way, and the only family this program runs on) in which the mask
// keeps the destination under key pixels and copies the source elsewhere.

#include <windows.h>

#include "skin/data/image/image.h"

// `image` from its origin to the top-left of `rect`, over the rectangle's size;
// nothing for an inverted rectangle.
void TransparentBlit(HDC dc, const RECT& rect, const TSkinBitmap& image, TColor key);
