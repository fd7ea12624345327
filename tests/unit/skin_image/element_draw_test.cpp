#include <gtest/gtest.h>

#include "image_test_util.h"
#include "skin/data/image/element_draw.h"

namespace {
constexpr TColor A = 1, B = 2, C = 3, D = 4, E = 5, F = 6, G = 7, H = 8, I = 9, K = clFuchsia, _ = clBlack;
constexpr TColor Z = 0x777777;

// Two horizontal frames: the second is the 3 x 3 grid A..I.
TSkinBitmap TwoFrames() {
  return MakeImage({{Z, Z, Z, A, B, C}, {Z, Z, Z, D, E, F}, {Z, Z, Z, G, H, I}});
}
}  // namespace

TEST(FrameRect, DividesTheStripEvenly) {
  const TSkinBitmap strip(100, 20);
  EXPECT_EQ(FrameRect(strip, 1, 4, false), (TRect{0, 0, 25, 20}));
  EXPECT_EQ(FrameRect(strip, 4, 4, false), (TRect{75, 0, 100, 20}));
  EXPECT_EQ(FrameRect(strip, 2, 3, true), (TRect{0, 6, 100, 12}));
  // Counts of 0 or less read as one frame.
  EXPECT_EQ(FrameRect(strip, 1, 0, false), (TRect{0, 0, 100, 20}));
  EXPECT_EQ(FrameRect(strip, 1, -2, true), (TRect{0, 0, 100, 20}));
}

TEST(BuildElementBitmap, CornersKeepTheirSizeEdgesAndCentreStretch) {
  const TRect margins{1, 1, 1, 1};
  EXPECT_EQ(Rows(BuildElementBitmap({10, 10, 15, 14}, TwoFrames(), margins, 2, 2, false, false)),
            (Grid{{A, B, B, B, C}, {D, E, E, E, F}, {D, E, E, E, F}, {G, H, H, H, I}}));
  // The same frame stacked as frame 2 of 2 vertical frames.
  const TSkinBitmap stacked = MakeImage({{Z, Z, Z}, {Z, Z, Z}, {Z, Z, Z}, {A, B, C}, {D, E, F}, {G, H, I}});
  EXPECT_EQ(Rows(BuildElementBitmap({0, 0, 3, 3}, stacked, margins, 2, 2, false, true)),
            (Grid{{A, B, C}, {D, E, F}, {G, H, I}}));
  EXPECT_TRUE(BuildElementBitmap({5, 5, 5, 9}, stacked, margins, 1, 1, false, false).Empty());
}

TEST(BuildElementBitmap, TargetSmallerThanMarginsDropsThem) {
  // One column: Left and Right drop, so the whole frame width shrinks into it
  // (its centre column); the rows keep their margins.
  EXPECT_EQ(Rows(BuildElementBitmap({0, 0, 1, 4}, TwoFrames(), {1, 1, 1, 1}, 2, 2, false, false)),
            (Grid{{B}, {E}, {E}, {H}}));
  // Margins far larger than anything drop just the same.
  EXPECT_EQ(Rows(BuildElementBitmap({0, 0, 3, 1}, TwoFrames(), {1, 1 << 30, 1, 1 << 30}, 2, 2, false, false)),
            (Grid{{D, E, F}}));
}

TEST(BuildElementBitmap, TiledCentreIsCutByTheRightAndBottomParts) {
  const TSkinBitmap strip = MakeImage({{A, B, C, D}});
  const TRect margins{1, 0, 1, 0};
  EXPECT_EQ(Rows(BuildElementBitmap({0, 0, 7, 1}, strip, margins, 1, 1, true, false)),
            (Grid{{A, B, C, B, C, B, D}}));
  // A centre one pixel wide still gets a whole tile; the right part covers its overhang.
  EXPECT_EQ(Rows(BuildElementBitmap({0, 0, 3, 1}, strip, margins, 1, 1, true, false)), (Grid{{A, B, D}}));
  // Without tiling the same centre is stretched.
  EXPECT_EQ(Rows(BuildElementBitmap({0, 0, 6, 1}, strip, margins, 1, 1, false, false)),
            (Grid{{A, B, B, C, C, D}}));
}

TEST(DrawSkinElement, OpaqueOrThroughTheKeyColour) {
  const TSkinBitmap image = MakeImage({{K, A}, {B, K}});
  TSkinBitmap target(3, 2, E);
  DrawSkinElement(target, {1, 0, 3, 2}, image, {}, 1, 1, true, false, false);
  EXPECT_EQ(Rows(target), (Grid{{E, E, A}, {E, B, E}}));
  DrawSkinElement(target, {0, 0, 2, 2}, image, {}, 1, 1, false, false, false);
  EXPECT_EQ(Rows(target), (Grid{{K, A, A}, {B, K, E}}));
  const TSkinBitmap before = target;
  DrawSkinElement(target, {2, 0, 1, 2}, image, {}, 1, 1, false, false, false);
  DrawSkinElement(target, {0, 2, 2, 1}, image, {}, 1, 1, false, false, false);
  EXPECT_EQ(target, before);
}

TEST(DrawElementStrip, RepeatsTheMiddleBetweenLeftAndRight) {
  const TSkinBitmap strip = MakeImage({{Z, Z, Z, Z, A, B, C, D}});
  const TRect margins{1, 5, 1, 5};  // Top and Bottom play no part
  TSkinBitmap target(8, 2, E);
  DrawElementStrip(target, {0, 0, 8, 2}, strip, margins, 2, 2, false, false);
  EXPECT_EQ(Rows(target), (Grid{{A, B, C, B, C, B, C, D}, {A, B, C, B, C, B, C, D}}));
  target.Fill(E);
  DrawElementStrip(target, {1, 0, 8, 1}, strip, margins, 2, 2, false, false);
  EXPECT_EQ(Rows(target)[0], (std::vector<TColor>{E, A, B, C, B, C, B, D}));
}

TEST(DrawElementStrip, NoMiddleWhenTheMarginsFillTheFrame) {
  const TSkinBitmap strip = MakeImage({{A, B, C, K}});
  TSkinBitmap target(6, 1, E);
  DrawElementStrip(target, {0, 0, 6, 1}, strip, {2, 0, 2, 0}, 1, 1, false, false);
  EXPECT_EQ(Rows(target), (Grid{{A, B, _, _, C, K}}));
  target.Fill(E);
  DrawElementStrip(target, {0, 0, 6, 1}, strip, {3, 0, 3, 0}, 1, 1, true, false);
  EXPECT_EQ(Rows(target), (Grid{{A, B, C, B, C, E}}));  // right part B C K, its key pixel left out
}

TEST(DrawElementThreePart, StretchesThePartsOrTheWholeFrame) {
  const TSkinBitmap strip = MakeImage({{A, B, C}, {D, E, F}});
  TSkinBitmap target(5, 1, _);
  DrawElementThreePart(target, {0, 0, 5, 1}, strip, {1, 0, 1, 0}, 1, 1, false);
  // Each part over the full target height: two source rows shrink to the lower one.
  EXPECT_EQ(Rows(target), (Grid{{D, E, E, E, F}}));
  // Narrower than the frame: the whole frame is stretched over the target.
  target.Fill(_);
  DrawElementThreePart(target, {1, 0, 3, 1}, strip, {1, 0, 1, 0}, 1, 1, false);
  EXPECT_EQ(Rows(target), (Grid{{_, D, F, _, _}}));
}

TEST(DrawElementStretched, WholeFrameOverTheRectangle) {
  const TSkinBitmap strip = MakeImage({{Z, A, B}, {Z, K, C}});  // frame 2 of 3: A / K
  TSkinBitmap target(3, 4, E);
  DrawElementStretched(target, {0, 0, 2, 4}, strip, 2, 3, true);
  EXPECT_EQ(Rows(target), (Grid{{A, A, E}, {A, A, E}, {E, E, E}, {E, E, E}}));
  DrawElementStretched(target, {0, 0, 2, 4}, strip, 2, 3, false);
  EXPECT_EQ(Rows(target), (Grid{{A, A, E}, {A, A, E}, {K, K, E}, {K, K, E}}));
}

TEST(DrawElementCentred, NaturalSizeOverhangingEqually) {
  const TSkinBitmap strip = MakeImage({{A, B, C, D}});
  TSkinBitmap target(8, 3, _);
  DrawElementCentred(target, {2, 0, 7, 3}, strip, 2, 2, false);  // frame C D in a 5 x 3 rectangle
  EXPECT_EQ(Rows(target)[1], (std::vector<TColor>{_, _, _, C, D, _, _, _}));
  // A frame wider than the target starts left of it: (1 - 4) div 2 = -1.
  target.Fill(_);
  DrawElementCentred(target, {3, 1, 4, 2}, strip, 1, 1, false);
  EXPECT_EQ(Rows(target)[1], (std::vector<TColor>{_, _, A, B, C, D, _, _}));
}
