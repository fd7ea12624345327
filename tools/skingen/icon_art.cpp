#include "icon_art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "art_canvas.h"
#include "palette.h"

namespace art {

namespace {

// One size of the icon: the tile's corner radius and the bars, placed by
// hand so that every edge falls on a pixel boundary.
struct TIconLayout {
  int size;
  double radius;
  int bar_left;
  int bar_height;
  int bar_pitch;
  int first_bar_top;
  std::initializer_list<int> bar_lengths;
};

constexpr int kSamples = 8;

// How much of the pixel at (x, y) a rounded square from `inset` to
// `size - inset` covers, from 0 to 1, by sampling the pixel on a fine grid.
double Coverage(int x, int y, int size, double inset, double radius) {
  const double lo = inset + radius;
  const double hi = size - inset - radius;
  int inside = 0;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) {
      const double px = x + (sx + 0.5) / kSamples;
      const double py = y + (sy + 0.5) / kSamples;
      if (px < inset || py < inset || px > size - inset || py > size - inset) continue;
      // Distance to the nearest point of the square shrunk by the radius.
      const double dx = px - std::clamp(px, lo, hi);
      const double dy = py - std::clamp(py, lo, hi);
      if (dx * dx + dy * dy <= radius * radius) ++inside;
    }
  }
  return static_cast<double>(inside) / (kSamples * kSamples);
}

TIconImage DrawIcon(const TIconLayout& layout) {
  const int size = layout.size;
  TIconImage icon{TSkinBitmap(size, size), std::vector<std::uint8_t>(static_cast<std::size_t>(size * size))};
  for (int y = 0; y < size; ++y) {
    const TColor fill = Blend(palette::kAccent, palette::kAccentDark, 100 - 100 * y / (size - 1));
    for (int x = 0; x < size; ++x) {
      const double outer = Coverage(x, y, size, 0, layout.radius);
      const double inner = Coverage(x, y, size, 1, layout.radius - 1);
      const auto percent = static_cast<int>(std::lround(inner * 100));
      icon.colours.SetPixel(x, y, Blend(fill, palette::kFrameOutline, percent));
      icon.alpha[static_cast<std::size_t>(y * size + x)] =
          static_cast<std::uint8_t>(std::lround(outer * 255));
    }
  }
  // A light line under the top edge, as the title bar has.
  const auto r = static_cast<int>(layout.radius);
  icon.colours.FillRect({r, 1, size - r, 2}, Blend(palette::kAccentLight, palette::kAccent, 50));
  int top = layout.first_bar_top;
  for (const int length : layout.bar_lengths) {
    icon.colours.FillRect({layout.bar_left, top, layout.bar_left + length, top + layout.bar_height}, clWhite);
    top += layout.bar_pitch;
  }
  return icon;
}

}  // namespace

std::vector<TIconImage> ProgramIcon() {
  return {
      DrawIcon({16, 3, 3, 2, 3, 4, {10, 7, 4}}),
      DrawIcon({32, 6, 5, 4, 6, 5, {22, 16, 11, 7}}),
      DrawIcon({48, 9, 7, 6, 10, 6, {34, 25, 18, 11}}),
  };
}

}  // namespace art
