#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/data/image/image_region.h"
#include "skin/windows/win/paint/window_region.h"

namespace {

UniqueRegion FromRects(const std::vector<TRect>& rects) {
  UniqueRegion out(CreateRectRgn(0, 0, 0, 0));
  for (const TRect& r : rects) {
    const UniqueRegion part(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(out.get(), out.get(), part.get(), RGN_OR);
  }
  return out;
}

}  // namespace

TEST(WindowRegion, CoversExactlyTheNonKeyPixels) {
  TSkinBitmap image(6, 3, 0x202020);
  image.SetPixel(0, 0, clFuchsia);
  image.SetPixel(5, 0, RgbColour(255, 1, 254));  // within a tolerance of 1 but below the key in blue
  image.SetPixel(2, 1, RgbColour(255, 1, 255));  // within tolerance
  image.FillRect({0, 2, 6, 3}, clFuchsia);
  const UniqueRegion region = RegionFromBitmap(image, 100, 50, clFuchsia, 1, 1, 1);
  const UniqueRegion expected = FromRects({{101, 50, 106, 51}, {100, 51, 102, 52}, {103, 51, 106, 52}});
  EXPECT_TRUE(EqualRgn(region.get(), expected.get()));
  EXPECT_FALSE(PtInRegion(region.get(), 102, 51));
  EXPECT_TRUE(PtInRegion(region.get(), 105, 50));
}

TEST(WindowRegion, ManyRunsAreCombinedAcrossBatches) {
  // 1000 rows of three runs: 3000 rectangles, two batches.
  TSkinBitmap image(7, 1000, clFuchsia);
  for (int y = 0; y < 1000; ++y)
    for (int x = y % 2; x < 7; x += 2) image.SetPixel(x, y, clBlack);
  const std::vector<TRect> runs = RegionRunsFromBitmap(image, 0, 0, clFuchsia, 0, 0, 0);
  ASSERT_GT(runs.size(), kRegionBatchSize);
  const UniqueRegion region = RegionFromBitmap(image, 0, 0, clFuchsia, 0, 0, 0);
  EXPECT_TRUE(EqualRgn(region.get(), FromRects(runs).get()));
  EXPECT_TRUE(PtInRegion(region.get(), 0, 998));
  EXPECT_FALSE(PtInRegion(region.get(), 0, 999));
}

TEST(WindowRegion, NoOpaquePixelGivesAnEmptyRegionAWindowAccepts) {
  UniqueRegion region = RegionFromBitmap(TSkinBitmap(4, 1, clFuchsia), 0, 0, clFuchsia, 0, 0, 0);
  ASSERT_TRUE(region);
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
  HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  TSkinBitmap shape(20, 20, clFuchsia);
  shape.FillRect({5, 5, 10, 10}, clBlack);
  EXPECT_NE(SetWindowRgn(wnd, RegionFromBitmap(shape, 0, 0, clFuchsia, 0, 0, 0).release(), FALSE), 0);
  UniqueRegion applied(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(wnd, applied.get()), SIMPLEREGION);
  GetRgnBox(applied.get(), &box);
  EXPECT_EQ(box.left, 5);
  EXPECT_EQ(box.bottom, 10);
  DestroyWindow(wnd);
}
