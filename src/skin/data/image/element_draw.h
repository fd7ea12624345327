#pragma once
// Cutting a frame out of a skin element's image strip and drawing it into a
// target rectangle of an off-screen image.
//
// An element image holds `count` equal frames side by side (or stacked, with
// `vertical`), numbered from 1; a count of 0 or less reads as 1. Margins are a
// rectangle whose Left, Top, Right and Bottom are the widths of the frame's
// borders that are copied unscaled. Stretching is the nearest-pixel copy of
// StretchCopy; transparency leaves fuchsia pixels out.

#include "skin/data/image/image.h"

// Frame `index` of `count` as a rectangle of the image: width div count (or
// height div count), starting at (index - 1) times that. Not clamped: a frame
// index past the strip addresses pixels outside it, which draw nothing.
TRect FrameRect(const TSkinBitmap& image, int index, int count, bool vertical);

// A new image of the target's size holding the frame cut in nine parts:
// corners unscaled, edges stretched along their length, the centre stretched
// or (with `tile`) tiled. A target narrower than Left + Right drops those two
// margins, one lower than Top + Bottom drops those.
TSkinBitmap BuildElementBitmap(const TRect& target, const TSkinBitmap& image, const TRect& margins, int index,
                               int count, bool tile, bool vertical);

// The nine-part frame drawn at `rect`, fuchsia left out when `transparent`.
void DrawSkinElement(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, const TRect& margins,
                     int index, int count, bool transparent, bool tile, bool vertical);

// Left part, the middle repeated across, right part, each over the full height
// of `rect`; Top and Bottom margins are not used. A frame whose left and right
// parts leave no middle draws none (the strip stays black there).
TSkinBitmap BuildElementStrip(const TRect& rect, const TSkinBitmap& image, const TRect& margins, int index,
                              int count, bool vertical);
void DrawElementStrip(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, const TRect& margins,
                      int index, int count, bool transparent, bool vertical);

// Left part, middle and right part stretched over `rect`; a target narrower
// than the frame gets the whole frame stretched. Opaque, Top and Bottom unused.
void DrawElementThreePart(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image,
                          const TRect& margins, int index, int count, bool vertical);

// The whole frame (horizontal frames) stretched over `rect`.
TSkinBitmap BuildElementStretched(const TRect& rect, const TSkinBitmap& image, int index, int count);
void DrawElementStretched(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, int index,
                          int count, bool transparent);

// The frame (horizontal frames) at its own size, centred on `rect`; a frame
// larger than the rectangle overhangs it equally on both sides.
// CentredFrameRect is where the frame goes.
TRect CentredFrameRect(const TRect& rect, const TSkinBitmap& image, int index, int count);
void DrawElementCentred(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, int index,
                        int count, bool transparent);
