#include "skin/windows/win/paint/window_region.h"

#include <cstring>
#include <vector>

#include "skin/data/image/image_region.h"

namespace {

UniqueRegion BatchRegion(const TRegionBatch& batch) {
  const std::size_t rects_size = batch.Rects.size() * sizeof(RECT);
  std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects_size);
  RGNDATAHEADER header{};
  header.dwSize = sizeof(RGNDATAHEADER);
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(batch.Rects.size());
  header.nRgnSize = static_cast<DWORD>(rects_size);
  header.rcBound = {batch.Bounds.Left, batch.Bounds.Top, batch.Bounds.Right, batch.Bounds.Bottom};
  std::memcpy(data.data(), &header, sizeof header);
  for (std::size_t i = 0; i < batch.Rects.size(); ++i) {
    const TRect& r = batch.Rects[i];
    const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    std::memcpy(data.data() + sizeof(RGNDATAHEADER) + i * sizeof(RECT), &rect, sizeof rect);
  }
  return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                      reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

UniqueRegion RegionFromBitmap(const TSkinBitmap& image, int x_offset, int y_offset, TColor key,
                              int red_tolerance, int green_tolerance, int blue_tolerance) {
  UniqueRegion result(CreateRectRgn(0, 0, 0, 0));
  const std::vector<TRect> runs =
      RegionRunsFromBitmap(image, x_offset, y_offset, key, red_tolerance, green_tolerance, blue_tolerance);
  for (const TRegionBatch& batch : RegionBatches(runs)) {
    const UniqueRegion part = BatchRegion(batch);
    if (part) CombineRgn(result.get(), result.get(), part.get(), RGN_OR);
  }
  return result;
}
