#include <gtest/gtest.h>

#include "image_test_util.h"
#include "skin/data/image/image_blit.h"

namespace {
constexpr TColor A = 1, B = 2, C = 3, D = 4, E = 5, K = clFuchsia, _ = clBlack;
}

TEST(StretchCopy, NearestPixelUnderEachTargetCentre) {
  const TSkinBitmap src = MakeImage({{A, B, C, D, E}});
  TSkinBitmap dst(5, 1);
  // Enlarging 2 -> 5: target columns take floor((2i + 1) * 2 / 10) = 0 0 1 1 1.
  StretchCopy(dst, {0, 0, 5, 1}, src, {0, 0, 2, 1});
  EXPECT_EQ(Rows(dst), (Grid{{A, A, B, B, B}}));
  // Shrinking 5 -> 2: floor((2i + 1) * 5 / 4) = 1 3.
  dst.Fill(_);
  StretchCopy(dst, {0, 0, 2, 1}, src, {0, 0, 5, 1});
  EXPECT_EQ(Rows(dst), (Grid{{B, D, _, _, _}}));
  // Equal sizes copy one to one, in both directions.
  const TSkinBitmap tall = MakeImage({{A, B}, {C, D}});
  TSkinBitmap out(2, 4);
  StretchCopy(out, {0, 0, 2, 4}, tall, {0, 0, 2, 2});
  EXPECT_EQ(Rows(out), (Grid{{A, B}, {A, B}, {C, D}, {C, D}}));
}

TEST(StretchCopy, NegativeExtentOnOneSideMirrors) {
  const TSkinBitmap src = MakeImage({{A, B, C}});
  TSkinBitmap dst(4, 1);
  StretchCopy(dst, {3, 0, 0, 1}, src, {0, 0, 3, 1});
  EXPECT_EQ(Rows(dst), (Grid{{C, B, A, _}}));
  dst.Fill(_);
  StretchCopy(dst, {3, 0, 0, 1}, src, {3, 0, 0, 1});  // both negative: not mirrored
  EXPECT_EQ(Rows(dst), (Grid{{A, B, C, _}}));
}

TEST(StretchCopy, ClipsToBothImagesAndSkipsEmptyRectangles) {
  const TSkinBitmap src = MakeImage({{A, B}, {C, D}});
  TSkinBitmap dst(3, 2, E);
  StretchCopy(dst, {-1, 1, 1, 3}, src, {0, 0, 2, 2});  // target partly outside
  EXPECT_EQ(Rows(dst), (Grid{{E, E, E}, {B, E, E}}));
  dst.Fill(E);
  StretchCopy(dst, {0, 0, 3, 1}, src, {1, 0, 4, 1});  // source partly outside: those pixels stay
  EXPECT_EQ(Rows(dst), (Grid{{B, E, E}, {E, E, E}}));
  dst.Fill(E);
  StretchCopy(dst, {0, 0, 0, 2}, src, {0, 0, 2, 2});
  StretchCopy(dst, {0, 0, 3, 2}, src, {0, 0, 2, 0});
  EXPECT_EQ(Rows(dst), (Grid{{E, E, E}, {E, E, E}}));
}

TEST(TransparentBlit, KeyPixelsLeaveTheTargetAlone) {
  const TSkinBitmap image = MakeImage({{A, K, B}, {K, C, D}});
  TSkinBitmap target(4, 3, E);
  TransparentBlit(target, {1, 1, 4, 3}, image, clFuchsia);
  EXPECT_EQ(Rows(target), (Grid{{E, E, E, E}, {E, A, E, B}, {E, E, C, D}}));
  // The rectangle's size limits the copy; the image is read from its origin.
  target.Fill(E);
  TransparentBlit(target, {-1, 0, 1, 1}, image, clFuchsia);
  EXPECT_EQ(Rows(target), (Grid{{E, E, E, E}, {E, E, E, E}, {E, E, E, E}}));
  TransparentBlit(target, {2, 2, 4, 3}, image, clFuchsia);
  TransparentBlit(target, {3, 0, 1, 1}, image, clFuchsia);  // inverted: nothing
  EXPECT_EQ(Rows(target), (Grid{{E, E, E, E}, {E, E, E, E}, {E, E, A, E}}));
}

TEST(TileDraw, RepeatsPastTheRectangleAndIgnoresEmptySources) {
  const TSkinBitmap image = MakeImage({{A, B, C}, {D, E, K}});
  TSkinBitmap target(6, 4, _);
  // Tile (1,0)-(3,2) = B C / E K over a 3 x 3 rectangle: the second row and
  // column of tiles reach one pixel past it.
  TileDraw(target, {0, 0, 3, 3}, image, {1, 0, 3, 2});
  EXPECT_EQ(Rows(target),
            (Grid{{B, C, B, C, _, _}, {E, K, E, K, _, _}, {B, C, B, C, _, _}, {E, K, E, K, _, _}}));
  target.Fill(_);
  TileDraw(target, {0, 0, 6, 4}, image, {1, 0, 1, 2});
  TileDraw(target, {0, 0, 6, 4}, image, {2, 0, 1, 2});
  EXPECT_EQ(target, TSkinBitmap(6, 4, _));
  // A target starting far to the left begins with the tile that reaches into the image.
  TileDraw(target, {-5, 0, 2, 1}, image, {0, 0, 2, 1});
  EXPECT_EQ(Rows(target)[0], (std::vector<TColor>{B, A, B, _, _, _}));
}
