#include <gtest/gtest.h>

#include <stdexcept>

#include "image_test_util.h"
#include "skin/data/image/img_util.h"

namespace {
constexpr TColor A = 1, B = 2, C = 3, D = 4, E = 5, F = 6, K = clFuchsia;
const TClassicSystemColours kSystem;
}  // namespace

TEST(MixColours, PercentBelowHundredPerMilleFromHundred) {
  EXPECT_EQ(MixColours(clWhite, clBlack, 150, kSystem), 0x262626);  // 15 %: (255 * 150 + 500) div 1000 = 38
  EXPECT_EQ(MixColours(clWhite, clBlack, 100, kSystem), 0x1A1A1A);  // 10 %, not 100 %
  EXPECT_EQ(MixColours(clWhite, clBlack, 50, kSystem), 0x808080);   // (255 * 50 + 50) div 100 = 128
  EXPECT_EQ(MixColours(0x123456, 0xABCDEF, 0, kSystem), 0xABCDEF);
  EXPECT_EQ(MixColours(RgbColour(200, 0, 0), RgbColour(0, 100, 0), 1000, kSystem), RgbColour(200, 0, 0));
  // System colours are resolved first: button face (15) is 212 208 200 in the classic scheme.
  EXPECT_EQ(MixColours(SystemColour(15), clBlack, 50, kSystem), RgbColour(106, 104, 100));
}

TEST(ColourSaturation, LightColoursScaleDarkOnesGive200) {
  EXPECT_EQ(ColourSaturation(RgbColour(255, 0, 0), kSystem), 255);
  EXPECT_EQ(ColourSaturation(clWhite, kSystem), 0);
  EXPECT_EQ(ColourSaturation(RgbColour(159, 0, 0), kSystem), 200);
  EXPECT_EQ(ColourSaturation(clBlack, kSystem), 200);
  // 255 * 1 / 170 = 1.5 and 255 * 3 / 170 = 4.5: ties go to the even neighbour.
  EXPECT_EQ(ColourSaturation(RgbColour(170, 169, 169), kSystem), 2);
  EXPECT_EQ(ColourSaturation(RgbColour(167, 170, 167), kSystem), 4);
  EXPECT_EQ(ColourSaturation(RgbColour(160, 80, 100), kSystem), 128);  // 127.5
  EXPECT_EQ(ColourSaturation(SystemColour(5), kSystem), 0);            // window: white
}

TEST(GradientTables, FillsCachesAndRotatesSlots) {
  TGradientTables tables;
  const int up = tables.Table(4, RgbColour(0, 0, 0), RgbColour(30, 3, 255));
  EXPECT_EQ(tables.Slot(up), (std::vector<TColor>{RgbColour(0, 0, 0), RgbColour(10, 1, 85),
                                                  RgbColour(20, 2, 170), RgbColour(30, 3, 255)}));
  EXPECT_EQ(tables.Table(4, RgbColour(0, 0, 0), RgbColour(30, 3, 255)), up);
  // A falling channel truncates toward zero and stops one short: 10 + (1 - 30) div 3 = 1.
  const int down = tables.Table(4, RgbColour(10, 0, 0), RgbColour(0, 0, 0));
  EXPECT_EQ(tables.Slot(down), (std::vector<TColor>{RgbColour(10, 0, 0), RgbColour(7, 0, 0),
                                                    RgbColour(4, 0, 0), RgbColour(1, 0, 0)}));
  EXPECT_NE(tables.Table(4, RgbColour(10, 0, 0), RgbColour(0, 0, 0)), down);  // a miss: built again
  const int one = tables.Table(1, RgbColour(10, 100, 0), RgbColour(0, 0, 255));
  EXPECT_EQ(tables.Slot(one), (std::vector<TColor>{RgbColour(5, 50, 127)}));
  // Slots are reused in turn after sixteen tables.
  for (int i = 4; i < TGradientTables::kSlots; ++i) tables.Table(2, RgbColour(i, 0, 0), clWhite);
  EXPECT_EQ(tables.Table(2, clBlack, clBlack), 0);
  EXPECT_EQ(tables.Table(3, clBlack, clBlack), 1);
  EXPECT_THROW(tables.Table(0, clBlack, clWhite), std::invalid_argument);
}

TEST(GradientFill, ColumnsOrRowsClippedToTheImage) {
  TSkinBitmap target(4, 2, E);
  GradientFill(target, {-1, 0, 3, 1}, RgbColour(0, 0, 0), RgbColour(30, 0, 0), 0, kSystem);
  // Four columns 0 10 20 30, the first outside the image.
  EXPECT_EQ(Rows(target),
            (Grid{{RgbColour(10, 0, 0), RgbColour(20, 0, 0), RgbColour(30, 0, 0), E}, {E, E, E, E}}));
  GradientFill(target, {3, 0, 4, 2}, SystemColour(5), clBlack, 1, kSystem);
  EXPECT_EQ(target.Pixel(3, 0), clWhite);
  EXPECT_EQ(target.Pixel(3, 1), clBlack);
  const TSkinBitmap before = target;
  GradientFill(target, {4, 0, 8, 2}, clBlack, clWhite, 0, kSystem);
  GradientFill(target, {0, 0, 0, 2}, clBlack, clWhite, 0, kSystem);
  EXPECT_EQ(target, before);
}

TEST(ReplaceFuchsia, OnlyPureFuchsiaChanges) {
  TSkinBitmap image = MakeImage({{K, 0xFE00FF, A}});
  ReplaceFuchsia(image, SystemColour(15), kSystem);
  EXPECT_EQ(Rows(image), (Grid{{RgbColour(212, 208, 200), 0xFE00FF, A}}));
}

TEST(BitmapTransforms, MirrorFlipAndTurnsOfANonSquareImage) {
  const TSkinBitmap image = MakeImage({{A, B, C}, {D, E, F}});
  TSkinBitmap m = image;
  MirrorBitmap(m);
  EXPECT_EQ(Rows(m), (Grid{{C, B, A}, {F, E, D}}));
  TSkinBitmap f = image;
  FlipBitmap(f);
  EXPECT_EQ(Rows(f), (Grid{{D, E, F}, {A, B, C}}));
  TSkinBitmap left = image;
  RotateBitmapLeft(left);
  EXPECT_EQ(Rows(left), (Grid{{C, F}, {B, E}, {A, D}}));
  TSkinBitmap right = image;
  RotateBitmapRight(right);
  EXPECT_EQ(Rows(right), (Grid{{D, A}, {E, B}, {F, C}}));
  RotateBitmapLeft(right);
  EXPECT_EQ(right, image);
  TSkinBitmap empty;
  RotateBitmapLeft(empty);
  MirrorBitmap(empty);
  EXPECT_TRUE(empty.Empty());
}
