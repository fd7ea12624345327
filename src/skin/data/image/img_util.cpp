#include "skin/data/image/img_util.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

TColor MixColours(TColor c1, TColor c2, int w, const TSystemColours& system) {
  const TColor a = system.Resolve(c1);
  const TColor b = system.Resolve(c2);
  const std::int64_t d = w < 100 ? 100 : 1000;
  const auto mix = [&](int x, int y) {
    return static_cast<int>((std::int64_t{x} * w + std::int64_t{y} * (d - w) + d / 2) / d & 0xFF);
  };
  return RgbColour(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

int ColourSaturation(TColor c, const TSystemColours& system) {
  const TColor rgb = system.Resolve(c);
  const int hi = std::max({RedOf(rgb), GreenOf(rgb), BlueOf(rgb)});
  const int lo = std::min({RedOf(rgb), GreenOf(rgb), BlueOf(rgb)});
  if (hi <= 159) return 200;
  // 255 * (hi - lo) / hi rounded half to even, in exact integers.
  const int num = 255 * (hi - lo);
  int q = num / hi;
  const int twice_rest = 2 * (num % hi);
  if (twice_rest > hi || (twice_rest == hi && q % 2 == 1)) ++q;
  return q;
}

int TGradientTables::Table(int n, TColor from, TColor to) {
  if (n <= 0) throw std::invalid_argument("gradient table of no colours");
  for (int i = kSlots - 1; i >= 0; --i) {
    const std::vector<TColor>& s = slots_[static_cast<std::size_t>(i)];
    if (static_cast<int>(s.size()) == n && s.front() == from && s.back() == to) return i;
  }
  const int slot = next_;
  next_ = (next_ + 1) % kSlots;
  std::vector<TColor>& table = slots_[static_cast<std::size_t>(slot)];
  table.resize(static_cast<std::size_t>(n));
  const auto channel = [&](int f, int t, int i) {
    if (n == 1) return f + (t - f) / 2;
    const std::int64_t c = n - 1;
    return static_cast<int>(f + (c / 2 + std::int64_t{i} * (t - f)) / c);
  };
  for (int i = 0; i < n; ++i)
    table[static_cast<std::size_t>(i)] =
        RgbColour(channel(RedOf(from), RedOf(to), i), channel(GreenOf(from), GreenOf(to), i),
                  channel(BlueOf(from), BlueOf(to), i));
  return slot;
}

TGradientTables& SharedGradientTables() {
  static TGradientTables tables;
  return tables;
}

void GradientFill(TSkinBitmap& target, const TRect& rect, TColor from, TColor to, int direction,
                  const TSystemColours& system) {
  const TRect visible = Intersect(rect, target.BoundsRect());
  if (visible.Width() <= 0) return;
  const bool columns = direction == 0;
  const int n = columns ? rect.Width() : rect.Height();
  const int begin = columns ? visible.Left - rect.Left : visible.Top - rect.Top;
  const int end = columns ? visible.Right - rect.Left : visible.Bottom - rect.Top;
  TGradientTables& tables = SharedGradientTables();
  const std::vector<TColor>& table = tables.Slot(tables.Table(n, system.Resolve(from), system.Resolve(to)));
  for (int k = begin; k < end; ++k) {
    const TColor c = table[static_cast<std::size_t>(k)];
    if (columns)
      target.FillRect({rect.Left + k, rect.Top, rect.Left + k + 1, rect.Bottom}, c);
    else
      target.FillRect({rect.Left, rect.Top + k, rect.Right, rect.Top + k + 1}, c);
  }
}

void ReplaceFuchsia(TSkinBitmap& image, TColor colour, const TSystemColours& system) {
  const std::uint32_t key = ToDibPixel(clFuchsia);
  const std::uint32_t with = ToDibPixel(system.Resolve(colour));
  for (int y = 0; y < image.Height(); ++y)
    std::replace(image.Row(y), image.Row(y) + image.Width(), key, with);
}

void MirrorBitmap(TSkinBitmap& image) {
  for (int y = 0; y < image.Height(); ++y) std::reverse(image.Row(y), image.Row(y) + image.Width());
}

void FlipBitmap(TSkinBitmap& image) {
  for (int y = 0; y < image.Height() / 2; ++y)
    std::swap_ranges(image.Row(y), image.Row(y) + image.Width(), image.Row(image.Height() - 1 - y));
}

void RotateBitmapLeft(TSkinBitmap& image) {
  TSkinBitmap out(image.Height(), image.Width());
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.Row(y)[x] = image.Row(x)[image.Width() - 1 - y];
  image = std::move(out);
}

void RotateBitmapRight(TSkinBitmap& image) {
  TSkinBitmap out(image.Height(), image.Width());
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.Row(y)[x] = image.Row(image.Height() - 1 - x)[y];
  image = std::move(out);
}
