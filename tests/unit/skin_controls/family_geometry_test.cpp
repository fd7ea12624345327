#include <gtest/gtest.h>

#include "skin/controls/group_box_geometry.h"

TEST(GroupBoxLayout, FrameThroughTheCaptionAndCaptionEightPixelsIn) {
  const TGroupBoxLayout left = LayOutGroupBox({0, 0, 200, 100}, 13, false);
  EXPECT_EQ(left.FrameTop, 5);
  EXPECT_EQ(left.Frame, (TRect{1, 5, 199, 99}));
  EXPECT_EQ(left.Caption, (TRect{8, 0, 200, 100}));
  EXPECT_FALSE(left.CaptionRight);

  const TGroupBoxLayout right = LayOutGroupBox({0, 0, 200, 100}, 16, true);
  EXPECT_EQ(right.Frame, (TRect{1, 7, 199, 99}));
  EXPECT_EQ(right.Caption, (TRect{0, 0, 192, 100}));
  EXPECT_TRUE(right.CaptionRight);
  // A font too small to have a middle puts the line above the window's top.
  EXPECT_EQ(LayOutGroupBox({0, 0, 20, 20}, 1, false).FrameTop, -1);
}
