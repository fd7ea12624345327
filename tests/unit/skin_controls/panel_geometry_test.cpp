#include <gtest/gtest.h>

#include "skin/controls/panel_geometry.h"
#include "skin/windows/win32_values.h"

TEST(GroupBox, FrameAndCaptionSide) {
  const TGroupBoxLayout l = LayOutGroupBox({0, 0, 200, 100}, 13, false, false);
  EXPECT_EQ(l.FrameTop, 5);
  EXPECT_EQ(l.Frame, (TRect{1, 5, 199, 99}));
  EXPECT_EQ(l.Erase, (TRect{0, 5, 200, 100}));
  EXPECT_EQ(l.Caption, (TRect{8, 0, 200, 100}));
  EXPECT_EQ(l.Flags, kDtExpandTabs);
  const TGroupBoxLayout r = LayOutGroupBox({0, 0, 200, 100}, 13, true, true);
  EXPECT_EQ(r.Caption, (TRect{0, 0, 192, 100}));
  EXPECT_EQ(r.Flags, kDtRight | kDtExpandTabs | kDtRtlReading);
}
