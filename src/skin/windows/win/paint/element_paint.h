#pragma once
// Element drawing straight onto a device context: each frame is composed as
// an image (element_draw.h) and copied once, opaquely or through the key
// colour. Rectangles are in the device context's coordinates.

#include <windows.h>

#include "skin/data/image/image.h"

void DrawSkinElement(HDC dc, const RECT& rect, const TSkinBitmap& image, const TRect& margins, int index,
                     int count, bool transparent, bool tile, bool vertical);
void DrawElementStrip(HDC dc, const RECT& rect, const TSkinBitmap& image, const TRect& margins, int index,
                      int count, bool transparent, bool vertical);
// Three stretched copies with the device context's own stretch mode.
void DrawElementThreePart(HDC dc, const RECT& rect, const TSkinBitmap& image, const TRect& margins, int index,
                          int count, bool vertical);
void DrawElementStretched(HDC dc, const RECT& rect, const TSkinBitmap& image, int index, int count,
                          bool transparent);
void DrawElementCentred(HDC dc, const RECT& rect, const TSkinBitmap& image, int index, int count,
                        bool transparent);
