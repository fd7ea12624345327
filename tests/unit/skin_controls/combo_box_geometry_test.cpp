#include <gtest/gtest.h>

#include "skin/controls/combo_box_geometry.h"
#include "skin/controls/control_geometry.h"

TEST(ComboBoxFaces, FramesByState) {
  EXPECT_EQ(ComboButtonFrame(0, false, true), 1);
  EXPECT_EQ(ComboButtonFrame(kMouseHot, false, true), 4);
  EXPECT_EQ(ComboButtonFrame(0, true, true), 4);  // focused with the mouse elsewhere
  EXPECT_EQ(ComboButtonFrame(kMouseDown | kMouseHot, true, true), 2);
  EXPECT_EQ(ComboButtonFrame(kMouseDown, true, false), 3);
  // The simple look lets pressed and hot show through a disabled state.
  EXPECT_EQ(SimpleComboButtonFrame(kMouseDown, false, false), 2);
  EXPECT_EQ(SimpleComboButtonFrame(0, false, false), 3);
}

TEST(ComboBoxLayout, ButtonAtTheRightOrLeftEdge) {
  const TRect r{0, 0, 145, 21};
  TComboLayout l = LayOutCombo(r, 17, false);
  EXPECT_EQ(l.Button, (TRect{126, 0, 145, 21}));
  EXPECT_EQ(l.TextArea, (TRect{2, 2, 124, 19}));
  EXPECT_EQ(ComboGlyphRect(l.Button, 9, 5, false), (TRect{130, 8, 139, 13}));
  l = LayOutCombo(r, 17, true);
  EXPECT_EQ(l.Button, (TRect{0, 0, 19, 21}));
  EXPECT_EQ(l.TextArea, (TRect{21, 2, 143, 19}));
  EXPECT_EQ(ComboGlyphRect(l.Button, 9, 5, true), (TRect{6, 8, 15, 13}));

  TSimpleComboLayout s = LayOutSimpleCombo(r, 16, 15, 12, false);
  EXPECT_EQ(s.Inner, (TRect{2, 2, 143, 19}));
  EXPECT_EQ(s.Column, (TRect{127, 2, 143, 19}));
  EXPECT_EQ(s.Button, (TRect{128, 2, 143, 14}));
  s = LayOutSimpleCombo(r, 16, 15, 40, true);
  EXPECT_EQ(s.Column, (TRect{2, 2, 18, 19}));
  EXPECT_EQ(s.Button, (TRect{2, 2, 17, 19}));
}

TEST(EditBorder, BorderOnlyWhereThereIsRoom) {
  const TRect w{0, 0, 121, 21};
  EXPECT_TRUE(EditHasBorder(117, 17, w));
  EXPECT_FALSE(EditHasBorder(121, 17, w));
  EXPECT_FALSE(EditHasBorder(117, 21, w));
  EXPECT_TRUE(EditPrintsBorder(118, 18, w));
  EXPECT_FALSE(EditPrintsBorder(119, 17, w));
  EXPECT_TRUE(IsSpinClass("msctls_updown32"));
  EXPECT_TRUE(IsSpinClass("tspinbutton"));
  EXPECT_TRUE(IsSpinClass("txupdownctl"));
  EXPECT_FALSE(IsSpinClass("edit"));
}

TEST(UpDown, HalvesAndBuddyInset) {
  const TRect r{0, 0, 16, 21};
  auto h = LayOutUpDown(r, false, 8, 15, kMouseDown | kMouseHot, true);
  EXPECT_EQ(h[0].Rect, (TRect{0, 0, 16, 10}));
  EXPECT_EQ(h[1].Rect, (TRect{0, 10, 16, 21}));
  EXPECT_EQ(h[0].Frame, 1);
  EXPECT_EQ(h[1].Frame, 6);
  h = LayOutUpDown({0, 0, 30, 12}, true, 3, 3, kMouseHot, true);
  EXPECT_EQ(h[0].Rect, (TRect{0, 0, 15, 12}));
  EXPECT_EQ(h[0].Frame, 4);
  EXPECT_EQ(h[1].Frame, 5);
  h = LayOutUpDown(r, false, 8, 15, kMouseDown, false);
  EXPECT_EQ(h[0].Frame, 3);
  EXPECT_EQ(h[1].Frame, 7);

  // An up-down flush with its edit's top and right, 2 pixels above its bottom.
  EXPECT_EQ(UpDownInBuddy({0, 0, 16, 19}, {104, 50, 120, 69}, {0, 50, 120, 71}), (TRect{0, 3, 13, 18}));
  EXPECT_EQ(UpDownInBuddy({0, 0, 16, 15}, {100, 54, 116, 69}, {0, 50, 120, 73}), (TRect{0, 0, 16, 15}));
}
