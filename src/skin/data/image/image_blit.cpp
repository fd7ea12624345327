#include "skin/data/image/image_blit.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// For each target position along one axis, the source position it takes, or -1
// where either lies outside its image.
struct AxisMap {
  int first = 0;  // target coordinate of map[0]
  std::vector<int> map;
};

AxisMap MapAxis(int dst_from, int dst_to, int dst_limit, int src_from, int src_to, int src_limit) {
  AxisMap out;
  const std::int64_t dn = std::abs(std::int64_t{dst_to} - dst_from);
  const std::int64_t sn = std::abs(std::int64_t{src_to} - src_from);
  if (dn == 0 || sn == 0) return out;
  const bool mirrored = (dst_to < dst_from) != (src_to < src_from);
  const std::int64_t dst_low = std::min(dst_from, dst_to);
  const std::int64_t src_low = std::min(src_from, src_to);
  // Only the part of the target inside its image is worth mapping.
  const std::int64_t i_begin = std::max<std::int64_t>(0, -dst_low);
  const std::int64_t i_end = std::min<std::int64_t>(dn, dst_limit - dst_low);
  if (i_end <= i_begin) return out;
  out.first = static_cast<int>(dst_low + i_begin);
  out.map.reserve(static_cast<std::size_t>(i_end - i_begin));
  for (std::int64_t i = i_begin; i < i_end; ++i) {
    std::int64_t j = (2 * i + 1) * sn / (2 * dn);
    if (mirrored) j = sn - 1 - j;
    const std::int64_t s = src_low + j;
    out.map.push_back(s >= 0 && s < src_limit ? static_cast<int>(s) : -1);
  }
  return out;
}

}  // namespace

void StretchCopy(TSkinBitmap& dst, const TRect& dst_rect, const TSkinBitmap& src, const TRect& src_rect) {
  if (dst.Empty() || src.Empty()) return;
  const AxisMap xs =
      MapAxis(dst_rect.Left, dst_rect.Right, dst.Width(), src_rect.Left, src_rect.Right, src.Width());
  const AxisMap ys =
      MapAxis(dst_rect.Top, dst_rect.Bottom, dst.Height(), src_rect.Top, src_rect.Bottom, src.Height());
  for (std::size_t row = 0; row < ys.map.size(); ++row) {
    if (ys.map[row] < 0) continue;
    const std::uint32_t* from = src.Row(ys.map[row]);
    std::uint32_t* to = dst.Row(ys.first + static_cast<int>(row)) + xs.first;
    for (std::size_t col = 0; col < xs.map.size(); ++col)
      if (xs.map[col] >= 0) to[col] = from[xs.map[col]];
  }
}

void DrawImage(TSkinBitmap& dst, int x, int y, const TSkinBitmap& src) {
  StretchCopy(dst, Bounds(x, y, src.Width(), src.Height()), src, src.BoundsRect());
}

TSkinBitmap CropImage(const TSkinBitmap& src, const TRect& r) {
  TSkinBitmap out(r.Width(), r.Height());
  DrawImage(out, -r.Left, -r.Top, src);
  return out;
}

void TransparentBlit(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, TColor key) {
  if (rect.Inverted()) return;
  const std::uint32_t key_pixel = ToDibPixel(key);
  const int w = std::min(rect.Width(), image.Width());
  const int h = std::min(rect.Height(), image.Height());
  for (int y = 0; y < h; ++y) {
    const int ty = rect.Top + y;
    if (ty < 0 || ty >= target.Height()) continue;
    const std::uint32_t* from = image.Row(y);
    std::uint32_t* to = target.Row(ty);
    for (int x = std::max(0, -rect.Left); x < w && rect.Left + x < target.Width(); ++x)
      if (from[x] != key_pixel) to[rect.Left + x] = from[x];
  }
}

void TileDraw(TSkinBitmap& target, const TRect& target_rect, const TSkinBitmap& image, const TRect& source) {
  const int sw = source.Width();
  const int sh = source.Height();
  if (sw <= 0 || sh <= 0) return;
  const TSkinBitmap tile = CropImage(image, source);
  // Start at the first tile that reaches into the target image, stop at its edge.
  const auto first = [](int from, int step) {
    return from >= 0 ? from : from + static_cast<int>((-std::int64_t{from}) / step * step);
  };
  const int x_end = std::min(target_rect.Right, target.Width());
  const int y_end = std::min(target_rect.Bottom, target.Height());
  for (std::int64_t x = first(target_rect.Left, sw); x < x_end; x += sw)
    for (std::int64_t y = first(target_rect.Top, sh); y < y_end; y += sh)
      DrawImage(target, static_cast<int>(x), static_cast<int>(y), tile);
}
