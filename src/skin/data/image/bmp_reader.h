#pragma once
// Reading BMP files as skins store them: 1, 4, 8, 16, 24 and 32 bits per
// pixel, bottom-up or top-down, with palettes (short ones too) and bit-field
// masks, under the core (12-byte), info (40-byte) and larger V2 to V5 headers.
// Anything else (compressed data, truncated or inconsistent files, absurd
// sizes) gives the empty image; reading never fails otherwise.

#include <string_view>

#include "skin/data/image/image.h"

TSkinBitmap ReadBmp(std::string_view file);
