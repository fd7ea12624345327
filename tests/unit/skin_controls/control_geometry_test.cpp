#include <gtest/gtest.h>

#include "skin/controls/control_geometry.h"
#include "skin/windows/win32_values.h"

TEST(ControlCoordinates, MouseDownPointFromLParamOrCursor) {
  // Negative halves stay negative (a press left of or above the client area).
  EXPECT_EQ(PointFromLParam(MakeLong(-5, 300)), (TSmallPoint{-5, 300}));
  EXPECT_EQ(PointFromLParam(0x7FFF8000), (TSmallPoint{-32768, 32767}));
  const TSmallPoint cursor{40000, 12};
  EXPECT_EQ(ForwardedMouseDownPoint(MakeLong(10, 12), 32768, 32768, cursor), (TSmallPoint{10, 12}));
  // 40000 wraps to -25536 in lParam: the cursor gives the true point.
  EXPECT_EQ(ForwardedMouseDownPoint(MakeLong(40000, 12), 32769, 20, cursor), cursor);
  EXPECT_EQ(ForwardedMouseDownPoint(MakeLong(1, 40000), 20, 32769, TSmallPoint{1, 40000}),
            (TSmallPoint{1, 40000}));
}

TEST(ControlCoordinates, MulDivRoundsLikeTheSystem) {
  EXPECT_EQ(MulDivRounded(5, 1, 2), 3);
  EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
  EXPECT_EQ(MulDivRounded(5, -1, -2), 3);
  EXPECT_EQ(MulDivRounded(7, 3, 0), -1);
  EXPECT_EQ(MulDivRounded(0x40000000, 8, 1), -1);
  EXPECT_EQ(MulDivRounded(0x40000000, 8, 16), 0x20000000);
}

TEST(ControlDrawing, StripFramesStayInsideTheStrip) {
  EXPECT_EQ(StripFrameSource(92, 13, 4, 1), (TRect{0, 0, 23, 13}));
  EXPECT_EQ(StripFrameSource(92, 13, 4, 4), (TRect{69, 0, 92, 13}));
  EXPECT_EQ(StripFrameSource(95, 13, 4, 4), (TRect{69, 0, 92, 13}));  // the odd columns are not a frame
  EXPECT_EQ(StripFrameSource(92, 13, 4, 5), TRect{});
  EXPECT_EQ(StripFrameSource(92, 13, 4, 0), TRect{});
  EXPECT_EQ(StripFrameSource(92, 13, 0, 1), (TRect{0, 0, 92, 13}));
}

TEST(ControlDrawing, CaptionAndFocusFrame) {
  const TRect r{10, 20, 110, 45};  // 100 x 25
  EXPECT_EQ(CaptionBlockRect(r, 41, 12, true), (TRect{39, 26, 80, 38}));
  EXPECT_EQ(CaptionBlockRect(r, 41, 12, false), (TRect{10, 26, 110, 38}));
  EXPECT_EQ(CaptionBlockRect(r, 41, 30, true).Top, 18);  // a block taller than rect: -5 div 2 is -2

  const TRect measured{10, 20, 51, 32};
  // Centred: moved by (59 div 2, 13 div 2 - 1), inflated by (2, 1).
  EXPECT_EQ(FocusFrameRect(r, measured, kDtCenter), (TRect{37, 24, 82, 38}));
  EXPECT_EQ(FocusFrameRect(r, measured, kDtRight), (TRect{67, 20, 110, 33}));
  // Left: the inflation is clipped at the rectangle's edges.
  EXPECT_EQ(FocusFrameRect(r, measured, 0), (TRect{10, 20, 53, 33}));
  const TRect wide{10, 20, 160, 32};
  EXPECT_EQ(FocusFrameRect(r, wide, kDtCenter), (TRect{10, 24, 110, 38}));

  EXPECT_EQ(TextFlags(kDtCenter, true), kDtCenter | kDtRtlReading);
}
