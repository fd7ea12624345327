#include <gtest/gtest.h>

#include "skin/controls/check_box_geometry.h"
#include "skin/windows/win32_values.h"

TEST(CheckBoxFrames, FourAndTwelveFrameStrips) {
  struct Row {
    unsigned native;
    const char* state;  // the State property, nullptr when absent
    bool disabled;
    int four, twelve;
  };
  const Row rows[] = {
      {0, nullptr, false, 1, 1},
      {kBstChecked, nullptr, false, 2, 5},
      {0, nullptr, true, 3, 4},
      {kBstChecked, nullptr, true, 4, 8},
      {kBstIndeterminate, "cbgrayed", false, 4, 9},
      {kBstIndeterminate, "cbgrayed", true, 4, 12},
      // The property decides over the native check bit; "unchecked" contains "check".
      {kBstChecked, "cbunchecked", false, 1, 1},
      {0, "cbchecked", false, 2, 5},
      // Grayed by property alone: indeterminate, and stays inside the strip when disabled.
      {0, "cbgrayed", false, 4, 8},
      {0, "cbgrayed", true, 4, 8},
  };
  for (const Row& r : rows) {
    TCheckBoxState s;
    s.NativeState = r.native;
    if (r.state) s.State = r.state;
    s.Disabled = r.disabled;
    EXPECT_EQ(CheckBoxFrame(s, 4), r.four)
        << r.native << " " << (r.state ? r.state : "") << " " << r.disabled;
    EXPECT_EQ(CheckBoxFrame(s, 12), r.twelve)
        << r.native << " " << (r.state ? r.state : "") << " " << r.disabled;
    EXPECT_EQ(CheckBoxFrame(s, 8), r.four);
  }
}

TEST(CheckBoxFrames, PropertiesDataAwareAndRadio) {
  TCheckBoxState s;
  s.NativeState = kBstChecked;
  s.Checked = "false";
  EXPECT_EQ(CheckBoxFrame(s, 4), 1);
  // A data-aware box shows the last BM_SETCHECK, indeterminate as grayed.
  s.HasDataField = true;
  s.RememberedCheck = 2;
  EXPECT_EQ(CheckBoxFrame(s, 4), 2);
  s.RememberedCheck = 3;
  EXPECT_EQ(CheckBoxFrame(s, 12), 8);
  s.HasDataBinding = true;
  EXPECT_EQ(CheckBoxFrame(s, 4), 1);

  EXPECT_EQ(RadioButtonFrame(true, std::nullopt, false, 4), 2);
  EXPECT_EQ(RadioButtonFrame(true, std::string("false"), false, 4), 1);
  EXPECT_EQ(RadioButtonFrame(true, std::nullopt, true, 8), 8);
  EXPECT_EQ(RadioButtonFrame(false, std::nullopt, true, 8), 4);
  EXPECT_EQ(RadioButtonFrame(true, std::nullopt, false, 8), 5);
  EXPECT_EQ(RadioButtonFrame(true, std::nullopt, false, 12), 2);
}

TEST(CheckBoxLayout, BoxAndTextBySide) {
  const TRect r{0, 0, 120, 21};
  TCheckLayout l = LayOutCheckBox(r, 13, 13, false, false, false);
  EXPECT_EQ(l.Box, (TRect{0, 4, 13, 17}));
  EXPECT_EQ(l.Text, (TRect{15, 0, 120, 21}));
  EXPECT_EQ(l.Flags, 0u);
  l = LayOutCheckBox(r, 13, 13, true, false, true);
  EXPECT_EQ(l.Box, (TRect{107, 4, 120, 17}));
  EXPECT_EQ(l.Text, (TRect{0, 0, 105, 21}));
  EXPECT_EQ(l.Flags, kDtRight | kDtRtlReading);
  l = LayOutCheckBox(r, 13, 13, true, true, false);
  EXPECT_EQ(l.Box, (TRect{106, 4, 119, 17}));
  EXPECT_EQ(l.Text.Right, 104);
  // A box taller than the control rises above it by half the difference (-3 div 2 is -1).
  EXPECT_EQ(LayOutCheckBox({0, 10, 50, 20}, 13, 13, false, true, true).Box.Top, 9);

  // A two-line caption block centred beside the box.
  EXPECT_EQ(CentreCaptionVertically({15, 0, 120, 40}, 26), (TRect{15, 7, 120, 47}));
  EXPECT_TRUE(CheckBoxShowsFocus(true, false, 5));
  EXPECT_FALSE(CheckBoxShowsFocus(true, false, 6));
  EXPECT_FALSE(CheckBoxShowsFocus(true, true, 10));
}
