#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/header_geometry.h"
#include "skin/windows/win32_values.h"

TEST(HeaderItems, AlignImageAndFrame) {
  EXPECT_EQ(HeaderAlignOf(kHdfCenter | kHdfImage), THeaderAlign::haCenter);
  EXPECT_EQ(HeaderAlignOf(kHdfRight), THeaderAlign::haRight);
  EXPECT_EQ(HeaderAlignOf(kHdfRight | kHdfCenter), THeaderAlign::haCenter);
  EXPECT_EQ(HeaderAlignOf(0), THeaderAlign::haLeft);
  EXPECT_EQ(HeaderImageIndex(kHdfImage, 3), 3);
  EXPECT_EQ(HeaderImageIndex(kHdfOwnerDraw, 3), 3);
  EXPECT_EQ(HeaderImageIndex(kHdfRight, 3), -1);
  EXPECT_EQ(HeaderItemFrame(1, 1), 2);
  EXPECT_EQ(HeaderItemFrame(0, -1), 1);
}

TEST(HeaderItems, LabelLayoutByAlignment) {
  THeaderLabelInput in;
  in.ItemWidth = 100;
  in.ItemHeight = 20;
  in.TextWidth = 30;
  in.TextHeight = 13;
  THeaderLabel l = LayOutHeaderLabel(in);
  EXPECT_FALSE(l.ImageShown);
  EXPECT_EQ(l.Text, (TRect{3, 3, 33, 16}));  // a left caption starts 3 pixels in

  in.HasImage = true;
  in.ImageWidth = 16;
  EXPECT_EQ(HeaderTextArea(in), (TRect{0, 0, 118, 20}));
  in.Align = THeaderAlign::haRight;
  l = LayOutHeaderLabel(in);
  EXPECT_TRUE(l.ImageShown);
  EXPECT_EQ(l.ImageX, 52);
  EXPECT_EQ(l.ImageY, 2);
  EXPECT_EQ(l.Text, (TRect{68, 3, 98, 16}));  // 2 pixels from the right edge
  in.Align = THeaderAlign::haCenter;
  l = LayOutHeaderLabel(in);
  EXPECT_EQ(l.ImageX, 27);
  EXPECT_EQ(l.Text.Left, 43);

  // A caption longer than its column: x 1, the text clipped to the item.
  in.TextWidth = 150;
  l = LayOutHeaderLabel(in);
  EXPECT_EQ(l.ImageX, 1);
  EXPECT_EQ(l.Text, (TRect{17, 3, 100, 16}));
  // An image as wide as the item is not used.
  in.ImageWidth = 100;
  EXPECT_FALSE(LayOutHeaderLabel(in).ImageShown);
  EXPECT_EQ(HeaderTextArea(in), (TRect{0, 0, 100, 20}));
}

TEST(HeaderItems, HotTrackingAndRest) {
  const std::vector<TRect> hot{HeaderHotRect({0, 0, 60, 20}), HeaderHotRect({60, 0, 150, 20})};
  EXPECT_EQ(hot[0], (TRect{3, 0, 57, 20}));
  EXPECT_EQ(HeaderNewHotItem(hot, -1, 10, 5), 0);
  EXPECT_EQ(HeaderNewHotItem(hot, 0, 10, 5), std::nullopt);
  EXPECT_EQ(HeaderNewHotItem(hot, 0, 70, 5), 1);
  EXPECT_EQ(HeaderNewHotItem(hot, 0, 58, 5), std::nullopt);  // between two items the hot one stays
  EXPECT_EQ(HeaderRest({0, 0, 300, 20}, 150), (TRect{150, 0, 300, 20}));
  EXPECT_EQ(HeaderRest({0, 0, 300, 20}, 300), std::nullopt);
}
