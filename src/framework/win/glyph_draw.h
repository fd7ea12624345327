#pragma once
// The content of a button with a glyph (bitmap button, speed button): one
// frame of the glyph strip, drawn transparently (the colour of its
// bottom-left pixel lets the face show through), and the caption beside it.

#include <string>

#include "framework/button_layout.h"
#include "framework/win/bitmap.h"

struct TGlyphButtonContent {
  const TBitmap* Glyph = nullptr;
  int NumGlyphs = 1;
  // 0 up, 1 disabled, 2 pressed, 3 down; a strip with fewer frames shows
  // its first.
  int GlyphIndex = 0;
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;
  std::wstring Caption;
  HFONT Font = nullptr;
  COLORREF TextColour = 0;
  // Pressed content moves one pixel right and down.
  int Offset = 0;
};

void DrawGlyphButtonContent(HDC dc, const RECT& client, const TGlyphButtonContent& content);
