#include <gtest/gtest.h>

#include "image_test_util.h"
#include "skin/data/image/image_region.h"

namespace {
constexpr TColor A = 0x102030, K = clFuchsia;
}

TEST(RegionRunsFromBitmap, RunsOfOpaquePixelsPerRow) {
  const TSkinBitmap image = MakeImage({{K, A, A, K, A}, {K, K, K, K, K}, {A, A, A, A, A}});
  EXPECT_EQ(RegionRunsFromBitmap(image, 10, 20, clFuchsia, 0, 0, 0),
            (std::vector<TRect>{{11, 20, 13, 21}, {14, 20, 15, 21}, {10, 22, 15, 23}}));
  // One row is enough.
  EXPECT_EQ(RegionRunsFromBitmap(MakeImage({{A, K}}), 0, 0, clFuchsia, 0, 0, 0),
            (std::vector<TRect>{{0, 0, 1, 1}}));
  EXPECT_TRUE(RegionRunsFromBitmap(TSkinBitmap(), 0, 0, clFuchsia, 0, 0, 0).empty());
}

TEST(RegionRunsFromBitmap, TolerancesWidenTheKeyUpwards) {
  const TSkinBitmap image =
      MakeImage({{RgbColour(254, 1, 255), RgbColour(255, 1, 255), RgbColour(255, 2, 255)}});
  EXPECT_EQ(RegionRunsFromBitmap(image, 0, 0, clFuchsia, 1, 1, 1),
            (std::vector<TRect>{{0, 0, 1, 1}, {2, 0, 3, 1}}));
  // Near-black with a key of black: tolerance reaches up from the key only.
  EXPECT_TRUE(RegionRunsFromBitmap(MakeImage({{RgbColour(3, 3, 3)}}), 0, 0, clBlack, 3, 3, 3).empty());
}

TEST(RegionBatches, BatchesOfTwoThousandWithBounds) {
  std::vector<TRect> runs;
  for (int i = 0; i < 4500; ++i) runs.push_back({i % 7, i, i % 7 + 3, i + 1});
  const std::vector<TRegionBatch> batches = RegionBatches(runs);
  ASSERT_EQ(batches.size(), 3u);
  EXPECT_EQ(batches[0].Rects.size(), 2000u);
  EXPECT_EQ(batches[2].Rects.size(), 500u);
  EXPECT_EQ(batches[1].Bounds, (TRect{0, 2000, 9, 4000}));
  EXPECT_EQ(batches[2].Rects.back(), runs.back());
  EXPECT_TRUE(RegionBatches({}).empty());
}
