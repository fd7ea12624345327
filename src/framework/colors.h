#pragma once
// Colour values of published properties: 32 bits, red in the low byte, then
// green, then blue; 0xFF000000 + n names system colour n. Descriptions may
// spell them by their constant names (clBtnFace, clRed, clNone).

#include <cstdint>
#include <span>

#include "framework/type_info.h"

using TColor = std::int32_t;

inline constexpr TColor clWindowText = static_cast<TColor>(0xFF000008u);
inline constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);

// Where system colours come from: the running system on Windows, a fixed
// table in portable code and tests. Every colour value that reaches a brush,
// a pen or colour arithmetic goes through Resolve.
class TSystemColours {
 public:
  virtual ~TSystemColours() = default;
  // The colour of system colour `index` (0..255); unknown indices give black.
  virtual TColor Colour(int index) const = 0;
  // Plain RGB for any colour value: system colours through Colour(value AND
  // 255); the high byte of other values (clNone's, for one) is dropped so
  // that GDI never reads it as a palette flag.
  TColor Resolve(TColor c) const { return (c < 0 ? Colour(c & 0xFF) : c) & 0xFFFFFF; }
};

// Every colour constant a description may name, for integer properties of
// colour type.
std::span<const TIdentMapEntry> ColorConstants();
