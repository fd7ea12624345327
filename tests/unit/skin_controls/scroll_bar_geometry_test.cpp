#include <gtest/gtest.h>

#include "skin/controls/scroll_bar_geometry.h"

namespace {
constexpr int kArrow = 17;
}

TEST(ScrollBarControl, ThumbFromRangePageAndPosition) {
  // 200 long: 166 between the arrows.
  EXPECT_EQ(ControlThumb(200, kArrow, {0, 100, 20, 0}), (TThumbSpan{17, 49}));  // MulDiv(166, 19, 100) = 32
  EXPECT_EQ(ControlThumb(200, kArrow, {0, 100, 20, 50}), (TThumbSpan{100, 132}));
  // A page so small that the thumb would be 7 or less: 8 long, placed in what is left.
  EXPECT_EQ(ControlThumb(200, kArrow, {0, 100, 5, 0}), (TThumbSpan{17, 25}));
  EXPECT_EQ(ControlThumb(200, kArrow, {0, 100, 5, 100}), (TThumbSpan{175, 183}));
  // No page: an arrow-long thumb.
  EXPECT_EQ(ControlThumb(200, kArrow, {0, 100, 0, 100}), (TThumbSpan{166, 183}));
  // Max equal to Min: no division by zero, the thumb sits at the first arrow.
  EXPECT_EQ(ControlThumb(200, kArrow, {5, 5, 1, 5}).Start, kArrow);
  EXPECT_EQ(ControlThumb(200, kArrow, {5, 5, 0, 5}), (TThumbSpan{17, 34}));

  EXPECT_EQ(ControlPressThumbStart(200, kArrow, 0, 0, 100, 20), kArrow);
  EXPECT_EQ(ControlPressThumbStart(200, kArrow, 50, 0, 100, 20), 17 + 83);
  EXPECT_EQ(ControlPressThumbStart(200, kArrow, 50, 0, 100, 0), 17 + 75);  // MulDiv(149, 50, 100) rounds up
}

TEST(ScrollBarControl, HitTestAndTracking) {
  const TThumbSpan thumb{60, 90};
  struct Row {
    int p;
    TScrollPart part;
  };
  const Row rows[] = {{0, TScrollPart::spFirstArrow},    {16, TScrollPart::spFirstArrow},
                      {17, TScrollPart::spTrackBefore},  {59, TScrollPart::spTrackBefore},
                      {60, TScrollPart::spThumb},        {89, TScrollPart::spThumb},
                      {90, TScrollPart::spTrackAfter},   {182, TScrollPart::spTrackAfter},
                      {183, TScrollPart::spSecondArrow}, {250, TScrollPart::spSecondArrow}};
  for (const Row& r : rows) EXPECT_EQ(ScrollHitTest(r.p, 200, kArrow, thumb), r.part) << r.p;

  EXPECT_EQ(TrackedThumb(60, 25, 30, 200, kArrow), (TThumbSpan{85, 115}));
  EXPECT_EQ(TrackedThumb(60, -100, 30, 200, kArrow), (TThumbSpan{17, 47}));
  // Dragged past the end: stops short of the second arrow.
  EXPECT_EQ(TrackedThumb(60, 500, 30, 200, kArrow), (TThumbSpan{153, 183}));

  EXPECT_EQ(ScrollPartOfCode(0x00230005), TScrollPart::spThumb);
  EXPECT_EQ(ScrollPartOfCode(8), static_cast<TScrollPart>(8));  // SB_ENDSCROLL lights nothing
}

TEST(ScrollBarPaint, PiecesAndFramesOfAVerticalBar) {
  TScrollBarView v;
  v.Bar = {0, 0, 17, 200};
  v.OverlayWidth = 17;
  v.OverlayHeight = 200;
  v.Vertical = true;
  v.ArrowSize = kArrow;
  v.StripHeight = 16;
  v.Thumb = {60, 90};
  ASSERT_TRUE(ScrollBarPaintable(v));
  TScrollBarPaint p = LayOutScrollBar(v);
  EXPECT_EQ(p.Thickness, 16);
  EXPECT_EQ(p.Track, (TRect{0, 17, 16, 183}));
  EXPECT_EQ(p.FirstArrow, (TRect{0, 0, 16, 17}));
  EXPECT_EQ(p.SecondArrow, (TRect{0, 183, 16, 200}));
  EXPECT_EQ(p.FirstArrowFrame, 9);
  EXPECT_EQ(p.SecondArrowFrame, 13);
  EXPECT_TRUE(p.ThumbShown);
  EXPECT_EQ(p.Thumb, (TRect{0, 60, 16, 90}));
  EXPECT_EQ(p.ThumbFrame, 1);
  EXPECT_TRUE(p.GripShown);
  EXPECT_EQ(p.Grip, (TRect{0, 67, 16, 83}));
  EXPECT_EQ(p.GripFrame, 20);

  v.HotPart = TScrollPart::spThumb;
  p = LayOutScrollBar(v);
  EXPECT_EQ(p.ThumbFrame, 3);
  EXPECT_EQ(p.GripFrame, 22);
  v.Pressed = true;
  p = LayOutScrollBar(v);
  EXPECT_EQ(p.ThumbFrame, 2);
  EXPECT_EQ(p.GripFrame, 21);
  v.HotPart = TScrollPart::spSecondArrow;
  p = LayOutScrollBar(v);
  EXPECT_EQ(p.SecondArrowFrame, 14);
  EXPECT_EQ(p.FirstArrowFrame, 9);
  EXPECT_EQ(p.ThumbFrame, 1);
  v.Pressed = false;
  EXPECT_EQ(LayOutScrollBar(v).SecondArrowFrame, 16);

  // Disabled: track frame 3, no thumb, no grip.
  v.Enabled = false;
  p = LayOutScrollBar(v);
  EXPECT_EQ(p.TrackFrame, 3);
  EXPECT_FALSE(p.ThumbShown);
  EXPECT_FALSE(p.GripShown);
}

TEST(ScrollBarPaint, ShortBarsOddStripsAndHorizontalFrames) {
  TScrollBarView v;
  v.Bar = {0, 0, 30, 17};
  v.OverlayWidth = 30;
  v.OverlayHeight = 17;
  v.ArrowSize = kArrow;
  v.StripHeight = 24;  // differs by more than 2: the arrow size is the thickness
  v.Thumb = {17, 34};  // reaches beyond the overlay
  v.HotPart = TScrollPart::spFirstArrow;
  const TScrollBarPaint p = LayOutScrollBar(v);
  EXPECT_EQ(p.Thickness, kArrow);
  EXPECT_EQ(p.FirstArrow, (TRect{0, 0, 15, 17}));
  EXPECT_EQ(p.SecondArrow, (TRect{15, 0, 30, 17}));
  EXPECT_EQ(p.FirstArrowFrame, 4);
  EXPECT_EQ(p.SecondArrowFrame, 5);
  EXPECT_FALSE(p.ThumbShown);
  EXPECT_FALSE(p.GripShown);  // a 24-long grip is no shorter than the thumb + 2
  EXPECT_EQ(ScrollBarThickness(19, kArrow), 19);

  v.Bar = {0, 0, 31, 17};
  EXPECT_FALSE(ScrollBarPaintable(v));
  v.Bar = {-40, 0, -1, 17};
  EXPECT_FALSE(ScrollBarPaintable(v));
}

TEST(ScrollBarOverlay, PlacementCornersAndOrientation) {
  // A memo's vertical bar at screen (283, 110)-(300, 290), the parent's client origin at (100, 80).
  EXPECT_EQ(OverlayPlacement({283, 110, 300, 290}, 100, 80), (TRect{183, 30, 200, 210}));
  const TRect vbar{181, 0, 198, 163}, hbar{0, 163, 181, 180};
  EXPECT_EQ(ScrollCornerBordered(vbar, hbar), (TRect{183, 165, 200, 182}));
  EXPECT_EQ(ScrollCornerBare(vbar, hbar), (TRect{181, 163, 200, 182}));
  EXPECT_TRUE(OverlayVertical(1, ""));
  EXPECT_FALSE(OverlayVertical(0, "sbvertical"));
  EXPECT_FALSE(OverlayVertical(2, "sbhorizontal"));
  EXPECT_TRUE(OverlayVertical(2, ""));
}

TEST(ScrollBarOverlay, DropDownListThumbDrag) {
  // 200-long bar, 166 between arrows, a 30-long thumb: 136 free.
  const TScrollRange paged{0, 100, 20, 0};
  EXPECT_EQ(DraggedListPosition(-5, paged, 200, kArrow, 30), 0);
  EXPECT_EQ(DraggedListPosition(68, paged, 200, kArrow, 30), 40);
  EXPECT_EQ(DraggedListPosition(135, paged, 200, kArrow, 30), 79);
  EXPECT_EQ(DraggedListPosition(400, paged, 200, kArrow, 30), 81);
  const TScrollRange unpaged{10, 110, 0, 10};
  EXPECT_EQ(DraggedListPosition(83, unpaged, 200, kArrow, 30), 60);
  EXPECT_EQ(DraggedListPosition(400, unpaged, 200, kArrow, 30), 92);  // n stops at the free length
  // A thumb filling the track: no division by zero, the position stays in range.
  EXPECT_EQ(DraggedListPosition(10, paged, 200, kArrow, 166), 0);
}
