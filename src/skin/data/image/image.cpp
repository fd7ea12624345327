#include "skin/data/image/image.h"

#include <algorithm>

TSkinBitmap::TSkinBitmap(int width, int height, TColor fill) {
  if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), ToDibPixel(fill));
}

TColor TSkinBitmap::Pixel(int x, int y) const {
  return Contains(x, y) ? FromDibPixel(Row(y)[x]) : clBlack;
}

void TSkinBitmap::SetPixel(int x, int y, TColor c) {
  if (Contains(x, y)) Row(y)[x] = ToDibPixel(c);
}

void TSkinBitmap::Fill(TColor c) {
  std::fill(pixels_.begin(), pixels_.end(), ToDibPixel(c));
}

void TSkinBitmap::FillRect(const TRect& r, TColor c) {
  const TRect clip = Intersect(r, BoundsRect());
  for (int y = clip.Top; y < clip.Bottom; ++y)
    std::fill(Row(y) + clip.Left, Row(y) + clip.Right, ToDibPixel(c));
}
