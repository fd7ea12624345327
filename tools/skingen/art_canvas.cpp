#include "art_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "skin/data/image/image_blit.h"
#include "skin/data/image/img_util.h"

namespace art {

TColor Blend(TColor c1, TColor c2, int percent) {
  const auto mix = [percent](int a, int b) { return (a * percent + b * (100 - percent) + 50) / 100; };
  return RgbColour(mix(RedOf(c1), RedOf(c2)), mix(GreenOf(c1), GreenOf(c2)), mix(BlueOf(c1), BlueOf(c2)));
}

void VerticalGradient(TSkinBitmap& image, const TRect& r, TColor top, TColor bottom) {
  const int rows = r.Height();
  for (int i = 0; i < rows; ++i) {
    const int percent = rows == 1 ? 100 : 100 - (100 * i + (rows - 1) / 2) / (rows - 1);
    image.FillRect({r.Left, r.Top + i, r.Right, r.Top + i + 1}, Blend(top, bottom, percent));
  }
}

void Outline(TSkinBitmap& image, const TRect& r, TColor c) {
  image.FillRect({r.Left, r.Top, r.Right, r.Top + 1}, c);
  image.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, c);
  image.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom}, c);
  image.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, c);
}

void RoundedBox(TSkinBitmap& image, const TRect& r, const TBoxStyle& style) {
  VerticalGradient(image, r, style.fill_top, style.fill_bottom);
  Outline(image, r, style.border);
  if (style.radius <= 0) return;
  const TColor soft = style.corner == clFuchsia ? style.border : Blend(style.border, style.corner, 50);
  const int corners[4][2] = {
      {r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}};
  for (const auto& corner : corners) {
    const int x = corner[0];
    const int y = corner[1];
    const int dx = x == r.Left ? 1 : -1;
    const int dy = y == r.Top ? 1 : -1;
    image.SetPixel(x, y, style.corner);
    if (style.radius >= 2) {
      image.SetPixel(x + dx, y, style.corner);
      image.SetPixel(x, y + dy, style.corner);
      image.SetPixel(x + dx, y + dy, style.border);
      image.SetPixel(x + 2 * dx, y, soft);
      image.SetPixel(x, y + 2 * dy, soft);
    } else {
      image.SetPixel(x + dx, y, soft);
      image.SetPixel(x, y + dy, soft);
    }
  }
}

void Line(TSkinBitmap& image, int x0, int y0, int x1, int y1, TColor c, int width) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i) {
    const int x = steps == 0 ? x0 : x0 + (x1 - x0) * i / steps;
    const int y = steps == 0 ? y0 : y0 + (y1 - y0) * i / steps;
    image.FillRect({x, y, x + width, y + width}, c);
  }
}

void Disc(TSkinBitmap& image, int cx2, int cy2, int radius2, TColor c, TColor backdrop) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      // Coverage from the distance of the pixel centre to the edge, over one pixel.
      const double d = std::hypot(2 * x + 1 - cx2, 2 * y + 1 - cy2) / 2.0 - radius2 / 2.0;
      if (d >= 0.5) continue;
      const int percent = d <= -0.5 ? 100 : static_cast<int>(std::lround((0.5 - d) * 100));
      const TColor under = image.Pixel(x, y) == clFuchsia ? backdrop : image.Pixel(x, y);
      image.SetPixel(x, y, Blend(c, under, percent));
    }
  }
}

void Glyph(TSkinBitmap& image, int x, int y, std::initializer_list<const char*> rows, TColor ink) {
  int row = 0;
  for (const char* text : rows) {
    const std::string_view line(text);
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '#') image.SetPixel(x + static_cast<int>(i), y + row, ink);
    }
    ++row;
  }
}

TSkinBitmap JoinFrames(std::initializer_list<TSkinBitmap> frames, bool vertical) {
  const TSkinBitmap& first = *frames.begin();
  const int n = static_cast<int>(frames.size());
  TSkinBitmap strip(vertical ? first.Width() : first.Width() * n,
                    vertical ? first.Height() * n : first.Height());
  int i = 0;
  for (const TSkinBitmap& frame : frames) {
    DrawImage(strip, vertical ? 0 : i * first.Width(), vertical ? i * first.Height() : 0, frame);
    ++i;
  }
  return strip;
}

TSkinBitmap Mirrored(TSkinBitmap image) {
  MirrorBitmap(image);
  return image;
}

}  // namespace art
