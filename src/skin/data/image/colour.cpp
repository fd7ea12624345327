#include "skin/data/image/colour.h"

#include <array>

TColor TClassicSystemColours::Colour(int index) const {
  static constexpr std::array<TColor, 31> kClassic = {
      RgbColour(212, 208, 200), RgbColour(58, 110, 165),  RgbColour(10, 36, 106),   RgbColour(128, 128, 128),
      RgbColour(212, 208, 200), RgbColour(255, 255, 255), RgbColour(0, 0, 0),       RgbColour(0, 0, 0),
      RgbColour(0, 0, 0),       RgbColour(255, 255, 255), RgbColour(212, 208, 200), RgbColour(212, 208, 200),
      RgbColour(128, 128, 128), RgbColour(10, 36, 106),   RgbColour(255, 255, 255), RgbColour(212, 208, 200),
      RgbColour(128, 128, 128), RgbColour(128, 128, 128), RgbColour(0, 0, 0),       RgbColour(212, 208, 200),
      RgbColour(255, 255, 255), RgbColour(64, 64, 64),    RgbColour(212, 208, 200), RgbColour(0, 0, 0),
      RgbColour(255, 255, 225), RgbColour(0, 0, 0),       RgbColour(0, 0, 128),     RgbColour(166, 202, 240),
      RgbColour(192, 192, 192), RgbColour(10, 36, 106),   RgbColour(212, 208, 200)};
  return index >= 0 && index < static_cast<int>(kClassic.size()) ? kClassic[static_cast<std::size_t>(index)]
                                                                 : clBlack;
}
