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

// Every colour constant a description may name, for integer properties of
// colour type.
std::span<const TIdentMapEntry> ColorConstants();
