#include "framework/layout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace layout;

namespace {

AlignItem Item(AlignTo align, Rect r, bool visible = true) {
  return {align, visible, r};
}

}  // namespace

// The main window's own arrangement: a tool strip on top, an input pane and a
// splitter on the left, the results taking the rest.
TEST(AlignItems, TopThenLeftThenClientFillTheParent) {
  std::vector<AlignItem> items = {
      Item(AlignTo::Client, Bounds(0, 0, 10, 10)),  // listed first, placed last
      Item(AlignTo::Top, Bounds(0, 0, 744, 76)),
      Item(AlignTo::Left, Bounds(265, 76, 5, 300)),  // splitter right of the pane
      Item(AlignTo::Left, Bounds(0, 76, 265, 300)),
  };
  const Rect rest = AlignItems({0, 0, 744, 400}, items);
  EXPECT_EQ(items[1].bounds, Bounds(0, 0, 744, 76));
  EXPECT_EQ(items[3].bounds, Bounds(0, 76, 265, 324));
  EXPECT_EQ(items[2].bounds, Bounds(265, 76, 5, 324));
  EXPECT_EQ(items[0].bounds, Rect({270, 76, 744, 400}));
  EXPECT_EQ(rest, Rect({270, 76, 744, 400}));
}

TEST(AlignItems, BottomAndRightStackFromTheirEdgesHiddenAndUnalignedStay) {
  std::vector<AlignItem> items = {
      Item(AlignTo::Bottom, Bounds(0, 80, 100, 10)),
      Item(AlignTo::Bottom, Bounds(0, 90, 100, 10)),  // nearest the edge
      Item(AlignTo::Right, Bounds(90, 0, 10, 50)),
      Item(AlignTo::Top, Bounds(0, 0, 100, 30), false),
      Item(AlignTo::None, Bounds(3, 4, 5, 6)),
  };
  const Rect rest = AlignItems({0, 0, 100, 100}, items);
  EXPECT_EQ(items[1].bounds, Bounds(0, 90, 100, 10));
  EXPECT_EQ(items[0].bounds, Bounds(0, 80, 100, 10));
  EXPECT_EQ(items[2].bounds, Bounds(90, 0, 10, 80));
  EXPECT_EQ(items[3].bounds, Bounds(0, 0, 100, 30));
  EXPECT_EQ(items[4].bounds, Bounds(3, 4, 5, 6));
  EXPECT_EQ(rest, Rect({0, 0, 90, 80}));
}

TEST(AlignItems, ParentSmallerThanItsItemsLeavesNoNegativeRest) {
  std::vector<AlignItem> items = {Item(AlignTo::Top, Bounds(0, 0, 50, 76)),
                                  Item(AlignTo::Left, Bounds(0, 0, 265, 10)),
                                  Item(AlignTo::Client, Bounds(0, 0, 1, 1))};
  const Rect rest = AlignItems({0, 0, 200, 50}, items);
  EXPECT_EQ(rest.Width(), 0);
  EXPECT_EQ(rest.Height(), 0);
  EXPECT_GE(items[2].bounds.Width(), 0);
  EXPECT_GE(items[2].bounds.Height(), 0);
}

TEST(AnchorBounds, RightAnchoredKeepsItsDistanceFromTheRightEdge) {
  const Rect saved = Bounds(552, 18, 85, 22);
  const Rect moved = AnchorBounds(saved, Anchors{false, true, true, false}, 736, 76, 900, 76);
  EXPECT_EQ(moved, Bounds(716, 18, 85, 22));
  EXPECT_EQ(AnchorBounds(saved, Anchors{}, 736, 76, 900, 76), saved);
  EXPECT_EQ(AnchorBounds(saved, Anchors{true, true, true, true}, 736, 76, 636, 100),
            Bounds(552, 18, -15, 46));
  EXPECT_EQ(AnchorBounds(Bounds(10, 10, 20, 20), Anchors{false, true, false, false}, 100, 100, 140, 100),
            Bounds(30, 10, 20, 20));
}

TEST(SplitterSize, KeepsTheNeighbourAndTheRestAtLeastTheMinimum) {
  EXPECT_EQ(SplitterSize(300, 265, 200, 20), 300);
  EXPECT_EQ(SplitterSize(5, 265, 200, 20), 20);
  EXPECT_EQ(SplitterSize(600, 265, 200, 20), 445);
  EXPECT_EQ(SplitterSize(100, 30, 5, 20), 30);  // nothing left to give
}

TEST(PanelClientRect, BevelsAndBorderInsetTheClientArea) {
  EXPECT_EQ(PanelClientRect(Bounds(10, 10, 100, 50), true, false, 1, 0), Rect({1, 1, 99, 49}));
  EXPECT_EQ(PanelClientRect(Bounds(0, 0, 100, 50), true, true, 2, 3), Rect({7, 7, 93, 43}));
  EXPECT_EQ(PanelClientRect(Bounds(0, 0, 4, 4), true, true, 2, 3), Rect({2, 2, 2, 2}));
}

TEST(WindowSize, MinimumAndCentring) {
  EXPECT_EQ(ClampToMinimum({300, 500}, {540, 374}), Size({540, 500}));
  EXPECT_EQ(ClampToMinimum({800, 200}, {0, 0}), Size({800, 200}));
  EXPECT_EQ(CentredBounds({0, 0, 1024, 768}, {752, 434}), Bounds(136, 167, 752, 434));
}
