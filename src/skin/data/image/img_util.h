#pragma once
// Colour arithmetic, gradients and whole-image transformations used by the
// skin reading and by the window and control painters.

#include <array>
#include <vector>

#include "skin/data/image/image.h"

// c1 weighted by w against c2, per channel: (c1 * w + c2 * (D - w) + D div 2)
// div D, keeping the low 8 bits, where D is 100 for w below 100 (a percentage)
// and 1000 from 100 up (per mille): 150 means 15 % of c1.
TColor MixColours(TColor c1, TColor c2, int w, const TSystemColours& system);

// 0..255: how saturated a light colour is, (max - min) / max of its channels
// times 255, rounded to the nearest (ties to even). Colours whose channels
// are all 159 or below count as dark and give 200.
int ColourSaturation(TColor c, const TSystemColours& system);

// The process-wide cache of gradient colour tables: 16 slots reused in turn.
class TGradientTables {
 public:
  static constexpr int kSlots = 16;

  // The slot holding the n colours from `from` to `to`: an existing slot with
  // that length, first and last colour, else the next slot in turn, filled
  // with channel steps that truncate toward zero (a falling channel may stop
  // one short of `to`, and such a table is rebuilt each time). n = 1 holds the
  // mid colour. n <= 0 is a caller's error: std::invalid_argument.
  int Table(int n, TColor from, TColor to);
  const std::vector<TColor>& Slot(int index) const { return slots_.at(static_cast<std::size_t>(index)); }

 private:
  std::array<std::vector<TColor>, kSlots> slots_;
  int next_ = 0;
};

// The one cache the painters share; user-interface thread only.
TGradientTables& SharedGradientTables();

// Fills `rect` of the target line by line from `from` to `to`: direction 0 in
// one-pixel columns left to right, any other direction in rows top to bottom.
// Only the lines inside the target image are drawn; the colour table still
// spans the whole rectangle.
void GradientFill(TSkinBitmap& target, const TRect& rect, TColor from, TColor to, int direction,
                  const TSystemColours& system);

// Every pure fuchsia pixel takes `colour`.
void ReplaceFuchsia(TSkinBitmap& image, TColor colour, const TSystemColours& system);

// In place: left-right, top-bottom, and quarter turns (width and height swap).
void MirrorBitmap(TSkinBitmap& image);
void FlipBitmap(TSkinBitmap& image);
void RotateBitmapLeft(TSkinBitmap& image);
void RotateBitmapRight(TSkinBitmap& image);
