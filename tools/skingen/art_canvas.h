#pragma once
// Drawing primitives for the default skin's artwork: fills, gradients,
// rounded boxes, lines and discs on skin images. Edges that would need
// anti-aliasing are blended against a given backdrop colour, never against
// the key colour, so that no pink fringe appears where fuchsia is cut away.

#include <initializer_list>

#include "skin/data/image/image.h"

namespace art {

// c1 and c2 mixed, `percent` of c1.
TColor Blend(TColor c1, TColor c2, int percent);

// Rows from `top` to `bottom` colour over `r`.
void VerticalGradient(TSkinBitmap& image, const TRect& r, TColor top, TColor bottom);

// The one-pixel outline of `r`.
void Outline(TSkinBitmap& image, const TRect& r, TColor c);

// A box over `r` with a one-pixel border and rounded corners of `radius`
// (0, 1 or 2 pixels cut off); the cut corner pixels take `corner` (the key
// colour for transparent corners), the border pixels next to them are
// softened towards `corner` unless it is the key colour. The inside is a
// vertical gradient from `fill_top` to `fill_bottom`.
struct TBoxStyle {
  TColor border;
  TColor fill_top;
  TColor fill_bottom;
  TColor corner;
  int radius = 2;
};
void RoundedBox(TSkinBitmap& image, const TRect& r, const TBoxStyle& style);

// A line `width` pixels thick from (x0, y0) to (x1, y1), end points included.
void Line(TSkinBitmap& image, int x0, int y0, int x1, int y1, TColor c, int width = 1);

// A filled disc centred on (cx, cy) in half-pixel units (so that discs on an
// even grid centre between pixels), with edges blended against `backdrop`.
void Disc(TSkinBitmap& image, int cx2, int cy2, int radius2, TColor c, TColor backdrop);

// Pixel glyphs written as rows of '#' (ink) and '.' (untouched), drawn with
// their top-left corner at (x, y).
void Glyph(TSkinBitmap& image, int x, int y, std::initializer_list<const char*> rows, TColor ink);

// Frames laid side by side, or stacked when `vertical`; all of the first's size.
TSkinBitmap JoinFrames(std::initializer_list<TSkinBitmap> frames, bool vertical);
TSkinBitmap Mirrored(TSkinBitmap image);

}  // namespace art
