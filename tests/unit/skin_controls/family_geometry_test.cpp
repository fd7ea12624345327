#include <gtest/gtest.h>

#include "skin/controls/group_box_geometry.h"
#include "skin/controls/progress_geometry.h"
#include "skin/controls/status_bar_geometry.h"

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

TEST(ProgressFill, ShareOfTheRangeRoundedAndKeptInsideTheBar) {
  struct Row {
    int length, position, low, high;
    bool gated;
    int filled;
  };
  const Row rows[] = {
      {150, 20, 20, 120, true, 0},     // at the minimum: only the track
      {150, 70, 20, 120, true, 75},    //
      {150, 120, 20, 120, true, 150},  // at the maximum: the whole bar
      {100, 1, 0, 3, true, 33},        // rounded as MulDiv rounds
      {100, 2, 0, 3, true, 67},
      // The frame-strip look shows nothing until high and position are above 0.
      {100, 0, -10, 10, true, 0},
      {100, 0, -10, 10, false, 50},
      {100, -5, -10, 0, true, 0},
      // An empty range fills nothing; positions outside the range fill
      // nothing or the whole bar, never past it.
      {100, 5, 5, 5, false, 0},
      {100, 5, 10, 0, false, 50},  // upside down: the arithmetic as it comes
      {100, 200, 0, 100, false, 100},
      {100, -50, 0, 100, false, 0},
      {0, 50, 0, 100, false, 0},
  };
  for (const Row& r : rows)
    EXPECT_EQ(ProgressFilledLength(r.length, r.position, r.low, r.high, r.gated), r.filled)
        << r.length << " " << r.position << " " << r.low << " " << r.high << " " << r.gated;
}

TEST(StatusBarLayout, BevelFramesPanelFacesAlignmentAndGrip) {
  EXPECT_EQ(StatusBevelFrame("pblowered"), 1);
  EXPECT_EQ(StatusBevelFrame("pbraised"), 2);
  EXPECT_EQ(StatusBevelFrame("pbnone"), 3);
  EXPECT_EQ(StatusBevelFrame(""), 1);

  EXPECT_EQ(StatusPanelFace({0, 2, 118, 22}, 380, false), (TRect{0, 2, 120, 22}));
  EXPECT_EQ(StatusPanelFace({240, 2, 360, 22}, 380, true), (TRect{240, 2, 380, 22}));

  struct Row {
    const char* alignment;
    bool rtl;
    TStatusTextAlign align;
  };
  const Row rows[] = {
      {"taleftjustify", false, TStatusTextAlign::Left}, {"tarightjustify", false, TStatusTextAlign::Right},
      {"tacenter", false, TStatusTextAlign::Centre},    {"taleftjustify", true, TStatusTextAlign::Right},
      {"tarightjustify", true, TStatusTextAlign::Left}, {"tacenter", true, TStatusTextAlign::Centre},
  };
  for (const Row& r : rows) EXPECT_EQ(StatusTextAlign(r.alignment, r.rtl), r.align) << r.alignment << r.rtl;

  EXPECT_EQ(StatusGripPlace({0, 0, 380, 24}, 16, 16), (TRect{364, 8, 380, 24}));
}
