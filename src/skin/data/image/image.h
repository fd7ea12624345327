#pragma once
// The skin's bitmaps and the off-screen images the painters compose in.
//
// Pixels are held row by row from the top, each as a 32-bit word in the layout
// of a top-down 32-bit DIB: blue in the low byte, then green, then red, the top
// byte always 0. The Win32 side hands the rows to GDI unchanged; everything
// else reads and writes pixels as colour values (red in the low byte) through
// Pixel and SetPixel. Images have no bit depth of their own: the operations
// that the skin describes for "24-bit bitmaps" work on any image.

#include <cstdint>
#include <vector>

#include "skin/data/image/colour.h"
#include "skin/data/image/image_rect.h"

class TSkinBitmap {
 public:
  // Larger images are refused (they come out empty): no skin needs them, and
  // sizes from corrupt files or inverted arithmetic must not exhaust memory.
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

  TSkinBitmap() = default;
  // A width or height of zero or less, or too many pixels, gives the empty image.
  TSkinBitmap(int width, int height, TColor fill = clBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }
  TRect BoundsRect() const { return {0, 0, width_, height_}; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Outside the image Pixel reads black and SetPixel does nothing.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor c);

  // Row y (0 = top) in DIB layout; y must lie inside the image.
  std::uint32_t* Row(int y) {
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }
  const std::uint32_t* Row(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }

  void Fill(TColor c);
  // Fills the part of `r` that lies inside the image.
  void FillRect(const TRect& r, TColor c);

  friend bool operator==(const TSkinBitmap&, const TSkinBitmap&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// Colour value <-> DIB word: the two differ only in the places of red and blue.
constexpr std::uint32_t ToDibPixel(TColor c) {
  const auto v = static_cast<std::uint32_t>(c);
  return (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF);
}
constexpr TColor FromDibPixel(std::uint32_t p) {
  return static_cast<TColor>(ToDibPixel(static_cast<TColor>(p)));
}
