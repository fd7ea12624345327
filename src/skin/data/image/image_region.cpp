#include "skin/data/image/image_region.h"

#include <algorithm>
#include <utility>

namespace {

struct Range {
  int low;
  int high;
  bool Holds(int v) const { return v >= low && v <= high; }
};

Range TransparentRange(int key, int tolerance) {
  return {key, static_cast<int>(std::min<long long>(255, static_cast<long long>(key) + tolerance))};
}

}  // namespace

std::vector<TRect> RegionRunsFromBitmap(const TSkinBitmap& image, int x_offset, int y_offset, TColor key,
                                        int red_tolerance, int green_tolerance, int blue_tolerance) {
  const Range red = TransparentRange(RedOf(key), red_tolerance);
  const Range green = TransparentRange(GreenOf(key), green_tolerance);
  const Range blue = TransparentRange(BlueOf(key), blue_tolerance);
  const auto transparent = [&](int x, int y) {
    const TColor c = image.Pixel(x, y);
    return red.Holds(RedOf(c)) && green.Holds(GreenOf(c)) && blue.Holds(BlueOf(c));
  };
  std::vector<TRect> runs;
  for (int y = 0; y < image.Height(); ++y) {
    int x = 0;
    while (x < image.Width()) {
      while (x < image.Width() && transparent(x, y)) ++x;
      const int start = x;
      while (x < image.Width() && !transparent(x, y)) ++x;
      if (x > start) runs.push_back({start + x_offset, y + y_offset, x + x_offset, y + y_offset + 1});
    }
  }
  return runs;
}

std::vector<TRegionBatch> RegionBatches(const std::vector<TRect>& runs, std::size_t batch_size) {
  if (batch_size == 0) batch_size = kRegionBatchSize;
  std::vector<TRegionBatch> batches;
  for (std::size_t i = 0; i < runs.size(); i += batch_size) {
    TRegionBatch batch;
    batch.Rects.assign(runs.begin() + static_cast<std::ptrdiff_t>(i),
                       runs.begin() + static_cast<std::ptrdiff_t>(std::min(runs.size(), i + batch_size)));
    batch.Bounds = batch.Rects.front();
    for (const TRect& r : batch.Rects) {
      batch.Bounds.Left = std::min(batch.Bounds.Left, r.Left);
      batch.Bounds.Top = std::min(batch.Bounds.Top, r.Top);
      batch.Bounds.Right = std::max(batch.Bounds.Right, r.Right);
      batch.Bounds.Bottom = std::max(batch.Bounds.Bottom, r.Bottom);
    }
    batches.push_back(std::move(batch));
  }
  return batches;
}
