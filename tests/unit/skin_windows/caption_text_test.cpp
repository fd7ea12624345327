#include <gtest/gtest.h>

#include "skin/windows/caption_text.h"

namespace {
// A 300 x 26 title holding a text of 91 x 14, 101 wide with its background margins.
TCaptionTextInput Title(int alignment) {
  TCaptionTextInput in;
  in.TitleWidth = 300;
  in.TitleHeight = 26;
  in.TextWidth = 91;
  in.TextHeight = 14;
  in.TextAlignment = alignment;
  in.TextShift = 24;
  in.TextShiftVert = 3;
  in.TextRightClip = 40;
  in.TXTBackleft = 5;
  in.TXTBackRight = 5;
  in.RightReserve = 60;
  return in;
}
}  // namespace

TEST(CaptionText, EachAlignmentLeftToRight) {
  // Centred: (300 - 101) / 2 = 99; vertically (26 - 14) / 2 + 3 / 2.
  EXPECT_EQ(CaptionTextRect(Title(1)), (TRect{99, 7, 200, 21}));
  EXPECT_EQ(CaptionTextRect(Title(0)), (TRect{24, 7, 125, 21}));
  EXPECT_EQ(CaptionTextRect(Title(2)), (TRect{159, 7, 260, 21}));
  EXPECT_EQ(CaptionTextRect(Title(7)).Left, 0);
}

TEST(CaptionText, HalvesTruncateTowardZero) {
  TCaptionTextInput in = Title(1);
  in.TextWidth = 301;  // 311 with margins: (300 - 311) / 2 = -5
  in.TextHeight = 15;  // (26 - 15) / 2 = 5
  in.TextShiftVert = -3;
  in.TextRightClip = 0;
  const TRect r = CaptionTextRect(in);
  EXPECT_EQ(r.Left, -5);
  EXPECT_EQ(r.Top, 4);
}

TEST(CaptionText, RightEdgeClippedAtClipOrReserve) {
  TCaptionTextInput in = Title(0);
  in.TextWidth = 290;
  EXPECT_EQ(CaptionTextRect(in).Right, 260);
  in.Popup = true;
  EXPECT_EQ(CaptionTextRect(in).Right, 235);
  in.RightReserve = 5;  // too small a reserve clips nothing in a popup
  EXPECT_EQ(CaptionTextRect(in).Right, 324);
}

TEST(CaptionText, RightToLeftMirrorsAndMovesTenRight) {
  TCaptionTextInput in = Title(0);
  in.RightToLeft = true;
  EXPECT_EQ(CaptionTextRect(in), (TRect{149, 7, 250, 21}));  // 300 - 60 - 101, + 10
  in.TextAlignment = 1;
  EXPECT_EQ(CaptionTextRect(in).Left, 79);  // (300 - 60 - 101) / 2 + 10
  in.TextAlignment = 2;
  EXPECT_EQ(CaptionTextRect(in).Left, 34);
  // No room left of the reserve: back to TextShift, not clipped on the right.
  in.TextAlignment = 0;
  in.TextWidth = 250;
  EXPECT_EQ(CaptionTextRect(in), (TRect{34, 7, 294, 21}));
  in.Popup = true;
  EXPECT_EQ(CaptionTextRect(in), (TRect{34, 7, 294, 21}));
}

TEST(CaptionText, LeftAlignedDialogTextTakesTheIconsPlace) {
  TCaptionTextInput in = Title(0);
  in.Kind = TFrameKind::fkDialog;
  EXPECT_EQ(CaptionTextRect(in), (TRect{8, 7, 125, 21}));
  in.TextAlignment = 1;
  EXPECT_EQ(CaptionTextRect(in).Left, 99);
  EXPECT_EQ(CaptionDrawRect(TRect{99, 7, 200, 21}, 5, 5), (TRect{104, 7, 195, 21}));
}
