#pragma once
// Copying between images: the stretch, transparent and tiled copies from which
// every skin element is drawn. All of them clip to both images: pixels outside
// the target are not drawn, and target pixels whose source lies outside the
// source image are left as they are.

#include "skin/data/image/image.h"

// Copies `src_rect` of `src` onto `dst_rect` of `dst`, scaling by nearest pixel
// (what GDI's COLORONCOLOR stretch mode does), defined exactly as:
// - target column i (0-based from the rectangle's left) takes source column
//   floor((2i + 1) * sw / (2 * dw)), the source pixel under the centre of the
//   target pixel; rows likewise. Equal sizes therefore copy one to one.
// - a rectangle with Right < Left (or Bottom < Top) covers the columns Right to
//   Left - 1 and runs backwards, so a negative width on one side only mirrors
//   the copy, as StretchBlt does.
// - a zero width or height on either side copies nothing.
void StretchCopy(TSkinBitmap& dst, const TRect& dst_rect, const TSkinBitmap& src, const TRect& src_rect);

// The whole of `src` copied unscaled with its top-left corner at (x, y).
void DrawImage(TSkinBitmap& dst, int x, int y, const TSkinBitmap& src);

// The part `r` of `src` as an image of its own; parts outside `src` read black.
TSkinBitmap CropImage(const TSkinBitmap& src, const TRect& r);

// Copies `image` from its origin to the top-left of `rect`, over the rectangle's
// size (and no further than the image reaches), leaving the target untouched
// where the image holds the key colour. Nothing for an inverted rectangle.
void TransparentBlit(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, TColor key);

// Repeats the `source` part of `image` unscaled over `target_rect`, columns
// from the left, each column from the top. The last tile of a row or column is
// not cut at the rectangle: it may reach past it (within the target image).
// Nothing when the source has a negative or zero width or height.
void TileDraw(TSkinBitmap& target, const TRect& target_rect, const TSkinBitmap& image, const TRect& source);
