#include <gtest/gtest.h>

#include <algorithm>

#include "skin/controls/tab_geometry.h"
#include "skin/data/image/image.h"
#include "skin/data/image/img_util.h"

namespace {

// The bounds of the white pixels of an image; empty when there are none.
TRect WhiteBounds(const TSkinBitmap& image) {
  TRect r{image.Width(), image.Height(), 0, 0};
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (image.Pixel(x, y) == 0xFFFFFF) {
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
      }
  return r.Inverted() ? TRect{} : r;
}

}  // namespace

TEST(TabPlacement, PositionAndTurnsFromTheStyle) {
  EXPECT_EQ(TabPositionOf(0), TTabPosition::tpTop);
  EXPECT_EQ(TabPositionOf(0x0002), TTabPosition::tpBottom);
  EXPECT_EQ(TabPositionOf(0x0080), TTabPosition::tpLeft);
  EXPECT_EQ(TabPositionOf(0x0082), TTabPosition::tpRight);
  EXPECT_EQ(TabImageTurn(TTabPosition::tpBottom), TTabTurn::ttFlip);
  EXPECT_EQ(TabImageTurn(TTabPosition::tpLeft), TTabTurn::ttNone);
  EXPECT_EQ(TabPaneTurn(TTabPosition::tpTop), TTabTurn::ttNone);
  EXPECT_EQ(TabPaneTurn(TTabPosition::tpBottom), TTabTurn::ttFlip);
  EXPECT_EQ(TabPaneTurn(TTabPosition::tpLeft), TTabTurn::ttLeft);
  EXPECT_EQ(TabPaneTurn(TTabPosition::tpRight), TTabTurn::ttRight);
  EXPECT_EQ(TabPaneMargins(0, {1, 2, 3, 4}), (TRect{4, 5, 4, 4}));
  EXPECT_EQ(TabPaneMargins(1, {1, 2, 3, 4}), (TRect{1, 2, 3, 4}));
}

TEST(TabPlacement, PaneIsTheDisplayAreaWidenedAndMovedTowardTheTabs) {
  const TRect display{4, 24, 196, 146};
  EXPECT_EQ(TabPaneRect(display, TTabPosition::tpTop), (TRect{0, 19, 200, 149}));
  EXPECT_EQ(TabPaneRect(display, TTabPosition::tpBottom), (TRect{0, 21, 200, 151}));
  EXPECT_EQ(TabPaneRect(display, TTabPosition::tpLeft), (TRect{-1, 20, 199, 150}));
  EXPECT_EQ(TabPaneRect(display, TTabPosition::tpRight), (TRect{1, 20, 201, 150}));
}

TEST(TabPlacement, StripLiesBetweenTheEdgeAndThePane) {
  TTabStrip s = TabStripOf(200, 150, {0, 19, 200, 149}, TTabPosition::tpTop);
  EXPECT_EQ(s.Place, (TRect{0, 0, 200, 19}));
  EXPECT_EQ(s.Width, 200);
  EXPECT_EQ(s.Height, 19);
  s = TabStripOf(200, 150, {0, 0, 200, 128}, TTabPosition::tpBottom);
  EXPECT_EQ(s.Place, (TRect{0, 128, 200, 150}));
  s = TabStripOf(200, 150, {30, 0, 200, 150}, TTabPosition::tpLeft);
  EXPECT_EQ(s.Place, (TRect{0, 0, 30, 150}));
  EXPECT_EQ(s.Width, 150);  // lying down
  EXPECT_EQ(s.Height, 30);
  s = TabStripOf(200, 150, {0, 0, 170, 150}, TTabPosition::tpRight);
  EXPECT_EQ(s.Place, (TRect{170, 0, 200, 150}));
  // A pane up to the edge (or past it) leaves no strip at all.
  EXPECT_EQ(TabStripOf(200, 150, {0, -1, 200, 149}, TTabPosition::tpTop).Width, 0);
  EXPECT_EQ(TabStripOf(200, 150, {0, 0, 200, 151}, TTabPosition::tpBottom).Height, 0);
}

// A tab placed in the lying strip and turned the way the strip is turned
// lands exactly on the control's own tab rectangle.
TEST(TabPlacement, TabsInTheLyingStripLandOnTheControlsTabsOnceTurned) {
  const TRect tab_left{2, 10, 28, 60};
  const TTabStrip left = TabStripOf(200, 150, {30, 0, 200, 150}, TTabPosition::tpLeft);
  EXPECT_EQ(TabInStrip(tab_left, left, TTabPosition::tpLeft), (TRect{90, 2, 140, 28}));
  TSkinBitmap lying(left.Width, left.Height);
  lying.FillRect(TabInStrip(tab_left, left, TTabPosition::tpLeft), 0xFFFFFF);
  RotateBitmapLeft(lying);
  EXPECT_EQ(WhiteBounds(lying), tab_left);

  const TRect tab_right{172, 10, 198, 60};
  const TTabStrip right = TabStripOf(200, 150, {0, 0, 170, 150}, TTabPosition::tpRight);
  TSkinBitmap lying_right(right.Width, right.Height);
  lying_right.FillRect(TabInStrip(tab_right, right, TTabPosition::tpRight), 0xFFFFFF);
  RotateBitmapRight(lying_right);
  const TRect shown = WhiteBounds(lying_right);
  EXPECT_EQ((TRect{shown.Left + right.Place.Left, shown.Top, shown.Right + right.Place.Left, shown.Bottom}),
            tab_right);

  const TTabStrip bottom = TabStripOf(200, 150, {0, 0, 200, 128}, TTabPosition::tpBottom);
  EXPECT_EQ(TabInStrip({2, 130, 60, 150}, bottom, TTabPosition::tpBottom), (TRect{2, 2, 60, 22}));
}

TEST(TabPlacement, LabelCentredWithItsImage) {
  TTabLabel l = LayOutTabLabel({10, 0, 70, 20}, false, 16, 16, 30, 13);
  EXPECT_EQ(l.Text, (TRect{25, 3, 55, 16}));
  l = LayOutTabLabel({10, 0, 70, 20}, true, 16, 16, 30, 13);
  EXPECT_EQ(l.ImageX, 15);
  EXPECT_EQ(l.ImageY, 2);
  EXPECT_EQ(l.Text, (TRect{34, 3, 64, 16}));
}

TEST(TabPlacement, ButtonTabsStripAndFaces) {
  EXPECT_EQ(TabButtonStripHeight(28), 25);
  EXPECT_EQ(TabButtonStripHeight(2), 0);  // no room above the display area
  EXPECT_EQ(TabButtonFace({3, 2, 60, 24}), (TRect{3, 3, 60, 25}));
}
