#include <gtest/gtest.h>

#include "skin/controls/button_geometry.h"
#include "skin/data/image/colour.h"
#include "skin/windows/win32_values.h"

namespace {
constexpr TColor kShadow = SystemColour(16);
}

TEST(ButtonFaces, FirstMatchWithDisabledOverriding) {
  struct Row {
    std::uint8_t mouse;
    bool focused, is_default, disabled;
    TButtonFrame frame;
  };
  const Row rows[] = {
      {kMouseDown | kMouseHot, true, true, false, TButtonFrame::bfPressed},
      {kMouseHot, true, false, false, TButtonFrame::bfHot},
      {0, true, false, false, TButtonFrame::bfFocused},
      {0, false, true, false, TButtonFrame::bfFocused},
      {0, false, false, false, TButtonFrame::bfNormal},
      {kMouseDown | kMouseHot, true, true, true, TButtonFrame::bfDisabled},
  };
  for (const Row& r : rows) EXPECT_EQ(ButtonFrame(r.mouse, r.focused, r.is_default, r.disabled), r.frame);

  EXPECT_EQ(SpeedButtonFrame(kMouseHot, false, false), TButtonFrame::bfDisabled);
  EXPECT_EQ(SpeedButtonFrame(0, false, true), TButtonFrame::bfPressed);
  EXPECT_EQ(SpeedButtonFrame(kMouseHot, true, false), TButtonFrame::bfHot);
  EXPECT_FALSE(SpeedButtonFaceDrawn(TButtonFrame::bfDisabled, true));
  EXPECT_TRUE(SpeedButtonFaceDrawn(TButtonFrame::bfHot, true));
  EXPECT_EQ(SpeedButtonGlyphIndex(TButtonFrame::bfDisabled, true), 4);
  EXPECT_EQ(SpeedButtonGlyphIndex(TButtonFrame::bfPressed, false), 3);
}

TEST(ButtonFaces, CaptionColourByState) {
  TDataSkinButton b;
  b.NormalColour2 = 0x000001;
  b.MouseOverColour2 = 0x000002;
  b.PressedColour2 = 0x000003;
  EXPECT_EQ(ButtonCaptionColour(0x123456, b, TButtonFrame::bfHot, false, false), 0x123456);
  b.HasNormalColour2 = true;
  EXPECT_EQ(ButtonCaptionColour(0x123456, b, TButtonFrame::bfHot, false, false), 0x000001);
  EXPECT_EQ(ButtonCaptionColour(0x123456, b, TButtonFrame::bfHot, false, true), 0x123456);
  b.HasMouseOverColour2 = b.HasPressedColour2 = true;
  EXPECT_EQ(ButtonCaptionColour(0x123456, b, TButtonFrame::bfHot, false, false), 0x000002);
  EXPECT_EQ(ButtonCaptionColour(0x123456, b, TButtonFrame::bfPressed, false, false), 0x000003);
  EXPECT_EQ(ButtonCaptionColour(0x123456, b, TButtonFrame::bfFocused, false, false), 0x000001);
  EXPECT_EQ(ButtonCaptionColour(0x123456, b, TButtonFrame::bfDisabled, true, false), kShadow);
}

TEST(ButtonCaption, LinesClickAndCentredBlock) {
  EXPECT_EQ(ButtonCaptionLines(L"Save||all||now"), L"Save\r\nall||now");
  EXPECT_EQ(ButtonCaptionLines(L"|"), L"|");
  EXPECT_EQ(PushButtonCaptionRect({0, 0, 75, 25}, 40, 13), (TRect{17, 6, 57, 19}));
  EXPECT_TRUE(ButtonSkipsForwardedMouseDown("TRzButton"));
  EXPECT_TRUE(ButtonSkipsForwardedMouseDown("TElPopupButton"));
  EXPECT_FALSE(ButtonSkipsForwardedMouseDown("TButton"));
  EXPECT_EQ(ButtonClickCommand(1002, "Button"), 1002u);
  EXPECT_EQ(ButtonClickCommand(1002, "TButton"), 0u);
}

TEST(BitButtonLayout, MarginAndSpacingAlongEachAxis) {
  TBitButtonMetrics m;
  m.ClientWidth = 100;
  m.ClientHeight = 30;
  m.GlyphWidth = 16;
  m.GlyphHeight = 16;
  m.TextWidth = 40;
  m.TextHeight = 13;
  TBitButtonPlacement p = PlaceBitButton(m);
  EXPECT_EQ(p.Margin, 14);
  EXPECT_EQ(p.Spacing, 14);
  EXPECT_EQ(p.GlyphX, 14);
  EXPECT_EQ(p.TextX, 44);
  EXPECT_EQ(p.GlyphY, 7);  // (30 - 16 + 1) div 2
  EXPECT_EQ(p.TextY, 9);

  m.Layout = TButtonLayout::blGlyphRight;
  m.Spacing = 4;
  p = PlaceBitButton(m);
  EXPECT_EQ(p.Margin, 20);  // (100 - 60) div 2
  EXPECT_EQ(p.GlyphX, 64);
  EXPECT_EQ(p.TextX, 20);
  EXPECT_EQ(p.TextFlags, kDtRight);

  // A given margin with Spacing -1 halves what is left.
  m.Layout = TButtonLayout::blGlyphTop;
  m.ClientHeight = 60;
  m.Margin = 5;
  m.Spacing = -1;
  p = PlaceBitButton(m);
  EXPECT_EQ(p.Spacing, 13);  // ((60 - 21) - 13) div 2
  EXPECT_EQ(p.GlyphY, 5);
  EXPECT_EQ(p.TextY, 34);
  EXPECT_EQ(p.GlyphX, 42);
  EXPECT_EQ(p.TextFlags, kDtCenter);
  // Alignment "tacenter" centres a bitmap button, never a speed button.
  m.AlignCenter = true;
  EXPECT_EQ(PlaceBitButton(m).Margin, 10);  // (60 - 29) / 3
  EXPECT_EQ(PlaceSpeedButton(m).Margin, 5);

  m.Layout = TButtonLayout::blGlyphBottom;
  m.Margin = -1;
  m.Spacing = 3;
  p = PlaceSpeedButton(m);
  EXPECT_EQ(p.Margin, 15);  // (60 - 32) div 2 + 1
  EXPECT_EQ(p.GlyphY, 29);
  EXPECT_EQ(p.TextY, 13);

  // No caption: no spacing, the glyph alone is centred.
  m.TextWidth = m.TextHeight = 0;
  m.Layout = TButtonLayout::blGlyphLeft;
  m.Spacing = -1;
  p = PlaceBitButton(m);
  EXPECT_EQ(p.Spacing, 0);
  EXPECT_EQ(p.GlyphX, 42);  // (100 - 16) div 2
}

TEST(BitButtonLayout, TextAreaGlyphFramesAndLayoutNames) {
  EXPECT_EQ(BitButtonTextArea({0, 0, 100, 30}, TButtonLayout::blGlyphRight, 16, 16), (TRect{2, 2, 80, 28}));
  EXPECT_EQ(BitButtonTextArea({0, 0, 100, 60}, TButtonLayout::blGlyphBottom, 16, 16), (TRect{2, 2, 98, 40}));
  EXPECT_EQ(ButtonLayoutOf("blglyphbottom"), TButtonLayout::blGlyphBottom);
  EXPECT_EQ(ButtonLayoutOf("blGlyphRight"), TButtonLayout::blGlyphLeft);  // callers lower-case

  const TGlyphSource disabled_one = GlyphFrame(16, 16, 1, BitButtonGlyphIndex(TButtonFrame::bfDisabled));
  EXPECT_TRUE(disabled_one.Embossed);
  EXPECT_EQ(disabled_one.Source, (TRect{0, 0, 16, 16}));
  const TGlyphSource pressed = GlyphFrame(64, 16, 4, BitButtonGlyphIndex(TButtonFrame::bfPressed));
  EXPECT_FALSE(pressed.Embossed);
  EXPECT_EQ(pressed.Source, (TRect{32, 0, 48, 16}));
  EXPECT_EQ(GlyphFrame(32, 16, 2, 3).Source, (TRect{0, 0, 16, 16}));
}

TEST(MenuButtonLayout, GlyphTextAndArrowOnOneLine) {
  EXPECT_EQ(MenuButtonTextArea(100, 25, 16), (TRect{2, 2, 74, 23}));
  TMenuButtonPlacement p = PlaceMenuButton(100, 25, 16, 16, 40, 13, -1, -1);
  EXPECT_EQ(p.GlyphX, 9);  // (100 - 64) / 4
  EXPECT_EQ(p.GlyphY, 4);
  EXPECT_EQ(p.TextX, 34);
  EXPECT_EQ(p.TextY, 6);
  EXPECT_EQ(p.ArrowX, 92);
  EXPECT_EQ(p.ArrowY, 11);
  EXPECT_EQ(p.Arrow[0], (TSmallPoint{92, 13}));
  EXPECT_EQ(p.Arrow[1], (TSmallPoint{89, 10}));
  EXPECT_EQ(p.Arrow[2], (TSmallPoint{95, 10}));
  p = PlaceMenuButton(100, 25, 16, 16, 40, 13, -1, 2);
  EXPECT_EQ(p.GlyphX, 16);  // (100 - 68) div 2
  p = PlaceMenuButton(100, 25, 16, 16, 40, 13, 4, -1);
  EXPECT_EQ(p.TextX, 4 + 16 + 22);  // spacing ((108 - 8 - 16) - 40) div 2
}
