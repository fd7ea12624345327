#pragma once
// Small images written out pixel by pixel, for pixel-exact expectations.

#include <initializer_list>
#include <vector>

#include "skin/data/image/image.h"

inline TSkinBitmap MakeImage(std::initializer_list<std::initializer_list<TColor>> rows) {
  TSkinBitmap image(static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()));
  int y = 0;
  for (const auto& row : rows) {
    int x = 0;
    for (TColor c : row) image.SetPixel(x++, y, c);
    ++y;
  }
  return image;
}

inline std::vector<std::vector<TColor>> Rows(const TSkinBitmap& image) {
  std::vector<std::vector<TColor>> out(static_cast<std::size_t>(image.Height()));
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) out[static_cast<std::size_t>(y)].push_back(image.Pixel(x, y));
  return out;
}

using Grid = std::vector<std::vector<TColor>>;
