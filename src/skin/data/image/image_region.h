#pragma once
// The shape of an image as rectangles, for window regions: each row's runs of
// pixels outside the transparent colour range, one-pixel-high rectangles in
// row order, left to right. The Win32 side turns them into a region in batches.

#include <cstddef>
#include <vector>

#include "skin/data/image/image.h"

// A pixel is transparent when each of its channels lies between the key's
// channel and that plus the channel's tolerance (at most 255). Rectangles are
// moved by (x_offset, y_offset).
std::vector<TRect> RegionRunsFromBitmap(const TSkinBitmap& image, int x_offset, int y_offset, TColor key,
                                        int red_tolerance, int green_tolerance, int blue_tolerance);

// Rectangles handed to the system together, with a bounding rectangle that
// encloses them all.
struct TRegionBatch {
  TRect Bounds;
  std::vector<TRect> Rects;
};

inline constexpr std::size_t kRegionBatchSize = 2000;

// The runs cut into batches of `batch_size` (the last one may be smaller; 0 means the default).
std::vector<TRegionBatch> RegionBatches(const std::vector<TRect>& runs,
                                        std::size_t batch_size = kRegionBatchSize);
