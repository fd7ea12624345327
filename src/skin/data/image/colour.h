#pragma once
// Colour values as the skin and the painters use them: 32 bits, red in the low
// byte, then green, then blue. A negative value (0xFF000000 + n) names system
// colour n and has to be resolved before any arithmetic.

#include "framework/colors.h"

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
// The key colour: transparent pixels of skin images, background of generated ones.
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clNone = 0x1FFFFFFF;

constexpr int RedOf(TColor c) {
  return c & 0xFF;
}
constexpr int GreenOf(TColor c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c) {
  return (c >> 16) & 0xFF;
}
constexpr TColor RgbColour(int r, int g, int b) {
  return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}
constexpr TColor SystemColour(int index) {
  return static_cast<TColor>(0xFF000000u + static_cast<unsigned>(index));
}

// The Windows standard ("classic") scheme, for code that runs without a system.
class TClassicSystemColours final : public TSystemColours {
 public:
  TColor Colour(int index) const override;
};
