#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "skin/windows/menu_layout.h"
#include "skin/windows/win32_values.h"

TEST(MenuBar, RectAndFirstButton) {
  EXPECT_EQ(MenuBarRect(408, {4, 26, 4, 4, 19}), (TRect{4, 26, 404, 45}));
  EXPECT_EQ(MenuBarFirstButtonOffset(true, 10, 7, 400, false), 14);
  EXPECT_EQ(MenuBarFirstButtonOffset(true, 10, 7, 13, false), 12);
  EXPECT_EQ(MenuBarFirstButtonOffset(true, 10, 7, 400, true), 385);
  EXPECT_EQ(MenuBarFirstButtonOffset(false, 10, 7, 400, false), 6);
  EXPECT_EQ(MenuBarFirstButtonOffset(false, 10, 7, 400, true), 394);
}

TEST(MenuBar, ButtonsFollowEachOther) {
  const TRect bar{4, 26, 404, 45};
  const int widths[] = {30, 0, 24, 40};
  const bool visible[] = {true, true, false, true};
  const auto rects = LayoutMenuBarButtons(bar, 14, widths, visible, false, INT_MAX);
  EXPECT_EQ(rects, (std::vector<TRect>{{18, 26, 58, 44}, {58, 26, 58, 44}, {}, {58, 26, 108, 44}}));
  const bool has_caption[] = {true, false, true, true};
  EXPECT_EQ(MenuBarButtonAt(rects, has_caption, 58, 30), 3);
  EXPECT_EQ(MenuBarButtonAt(rects, has_caption, 57, 43), 0);
  EXPECT_EQ(MenuBarButtonAt(rects, has_caption, 57, 44), -1);
  EXPECT_EQ(MenuBarButtonAt(rects, has_caption, 0, 0), -1);
}

TEST(MenuBar, RightToLeftRunsLeftwardsClearOfMdiButtons) {
  const TRect bar{4, 26, 404, 45};
  const int widths[] = {30, 40};
  const bool visible[] = {true, true};
  EXPECT_EQ(LayoutMenuBarButtons(bar, 385, widths, visible, true, INT_MAX),
            (std::vector<TRect>{{349, 26, 389, 44}, {299, 26, 349, 44}}));
  EXPECT_EQ(LayoutMenuBarButtons(bar, 385, widths, visible, true, 340)[0], (TRect{295, 26, 335, 44}));
}

TEST(MenuBar, ArrowKeysWrapAndMirror) {
  EXPECT_EQ(NextMenuBarButton(2, 3, true), 0);
  EXPECT_EQ(NextMenuBarButton(0, 3, false), 2);
  EXPECT_EQ(NextMenuBarButton(1, 3, true), 2);
  EXPECT_EQ(NextMenuBarButton(-1, 3, false), 2);
  EXPECT_EQ(NextMenuBarButton(0, 0, true), -1);
  EXPECT_EQ(MirroredArrowKey(kVkLeft, true), kVkRight);
  EXPECT_EQ(MirroredArrowKey(kVkRight, true), kVkLeft);
  EXPECT_EQ(MirroredArrowKey(kVkLeft, false), kVkLeft);
  EXPECT_EQ(MirroredArrowKey(0x26, true), 0x26u);
}

TEST(MenuItemSize, GrowsForElementAndGlyphColumn) {
  EXPECT_EQ(MainMenuItemWidth(80, true, 6, false), 121);
  EXPECT_EQ(MainMenuItemWidth(80, false, 6, true), 90);
  EXPECT_EQ(PopupMenuItemWidth(80, true, 6, true), 98);
  EXPECT_EQ(PopupMenuItemWidth(80, false, 6, false), 115);
  const TNativeItemSize text = NativeMenuItemSize(50, 13, true, true, 6, false);
  EXPECT_EQ(text.Width, 82);
  EXPECT_EQ(text.Height, 17);
  EXPECT_EQ(NativeMenuItemSize(0, 13, false, false, 6, true).Height, 12);
}

TEST(MenuItemLayout, GlyphTextAndShortcut) {
  const TRect item{0, 20, 150, 39};
  TMenuItemLayout l = LayoutMenuItem(item, 0, false, true, 6, false, 40);
  EXPECT_EQ(l.Glyph, (TRect{7, 21, 23, 37}));
  EXPECT_EQ(l.Text, (TRect{26, 20, 149, 39}));
  EXPECT_EQ(l.Shortcut, (TRect{66, 20, 139, 39}));
  EXPECT_EQ(l.SeparatorY, 24);
  // A narrow image list still leaves a full square for the check mark.
  EXPECT_EQ(LayoutMenuItem(item, 12, true, false, 6, false, 40).Glyph, (TRect{1, 21, 17, 37}));
  EXPECT_EQ(LayoutMenuItem(item, 12, false, false, 6, false, 40).Glyph, (TRect{1, 21, 13, 33}));

  l = LayoutMenuItem(item, 20, false, true, 6, true, 40);
  EXPECT_EQ(l.Glyph, (TRect{123, 21, 143, 41}));
  EXPECT_EQ(l.Text, (TRect{1, 20, 120, 39}));
  EXPECT_EQ(l.Shortcut, (TRect{11, 20, 80, 39}));
}

TEST(MenuSeparator, ColumnsKeptMiddleStretchedBottomRowsForLowItems) {
  // Frames 30 wide and 12 high; an item 9 high shows the element's bottom 9 rows.
  const TSeparatorPlacement p = PlaceMenuSeparator({0, 40, 150, 49}, 30, 12, 5, 4);
  EXPECT_EQ(p.SourceLeft, (TRect{30, 3, 35, 12}));
  EXPECT_EQ(p.SourceMiddle, (TRect{35, 3, 56, 12}));
  EXPECT_EQ(p.SourceRight, (TRect{56, 3, 60, 12}));
  EXPECT_EQ(p.DestLeft, (TRect{0, 40, 5, 49}));
  EXPECT_EQ(p.DestMiddle, (TRect{5, 40, 146, 49}));
  EXPECT_EQ(p.DestRight, (TRect{146, 40, 150, 49}));
  const TSeparatorPlacement tall = PlaceMenuSeparator({0, 40, 150, 60}, 30, 12, 5, 4);
  EXPECT_EQ(tall.SourceMiddle, (TRect{35, 0, 56, 12}));
  EXPECT_EQ(tall.DestMiddle, (TRect{5, 40, 146, 52}));
}
