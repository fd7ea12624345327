// List headers, combo boxes, progress bars, tabs, group boxes and status bars.

#include "art_canvas.h"
#include "palette.h"
#include "skin_art.h"

namespace art {

namespace {

constexpr int kComboHeight = 21;

TSkinBitmap HeaderFrame(int state) {
  using namespace palette;
  constexpr int w = 20;
  constexpr int h = 22;
  TSkinBitmap frame(w, h);
  if (state == 2) {
    VerticalGradient(frame, frame.BoundsRect(), kAccentPale, kAccentLight);
  } else if (state == 3) {
    VerticalGradient(frame, frame.BoundsRect(), palette::Tone(214, 224, 236), palette::Tone(200, 212, 226));
  } else {
    VerticalGradient(frame, frame.BoundsRect(), clWhite, palette::Tone(233, 237, 241));
  }
  frame.FillRect({0, h - 1, w, h}, state == 2 ? kAccent : kBorder);
  frame.FillRect({w - 1, 4, w, h - 4}, palette::Tone(208, 215, 222));
  return frame;
}

// state: 1 normal, 2 pressed, 3 disabled, 4 hot. The border colour of the
// edit edge around a combo box in that state.
TColor ComboBorder(int state) {
  using namespace palette;
  return state == 3 ? kBorderLight : state == 1 ? kBorder : kAccent;
}

TSkinBitmap SunkEdgeFrame(int state) {
  TSkinBitmap frame(20, kComboHeight);
  const TColor fill = state == 3 ? palette::kFace : clWhite;
  RoundedBox(frame, frame.BoundsRect(), {ComboBorder(state), fill, fill, palette::kFace, 1});
  return frame;
}

TSkinBitmap ComboButtonFrame(int state) {
  using namespace palette;
  constexpr int w = 18;
  TSkinBitmap frame(w, kComboHeight, clFuchsia);
  TColor top = kFaceLight;
  TColor bottom = kFaceDark;
  if (state == 2) {
    top = palette::Tone(200, 212, 226);
    bottom = palette::Tone(216, 226, 238);
  } else if (state == 3) {
    top = bottom = kFace;
  } else if (state == 4) {
    top = kAccentPale;
    bottom = kAccentLight;
  }
  VerticalGradient(frame, {1, 1, w - 1, kComboHeight - 1}, top, bottom);
  frame.FillRect({0, 1, 1, kComboHeight - 1},
                 state == 1 ? kBorderLight : Blend(ComboBorder(state), clWhite, 60));
  return frame;
}

TSkinBitmap ExtraFrame(int state) {
  using namespace palette;
  TSkinBitmap frame(12, 12, clFuchsia);
  if (state == 5) {
    // The size grip: dots in a falling diagonal, each with a light shadow.
    for (int row = 0; row < 3; ++row) {
      for (int col = 2 - row; col < 3; ++col) {
        const int x = 3 + 3 * col;
        const int y = 3 + 3 * row;
        frame.FillRect({x, y, x + 2, y + 2}, kBorder);
        frame.SetPixel(x + 1, y + 1, clWhite);
      }
    }
    return frame;
  }
  const TColor ink = state == 3 ? kBorderLight : state == 1 ? kGlyph : kAccentDark;
  Glyph(frame, 2, 4, {"#.......#", "##.....##", ".##...##.", "..##.##..", "...###...", "....#...."}, ink);
  return frame;
}

TSkinBitmap ProgressFrame(bool filled) {
  using namespace palette;
  TSkinBitmap frame(20, 16);
  if (filled) {
    RoundedBox(frame, frame.BoundsRect(), {kAccentDark, palette::Tone(120, 176, 226), kAccent, kFace, 1});
    frame.FillRect({2, 2, 18, 3}, palette::Tone(170, 206, 238));
  } else {
    RoundedBox(frame, frame.BoundsRect(),
               {kBorderLight, palette::Tone(226, 231, 237), palette::Tone(240, 242, 245), kFace, 1});
  }
  return frame;
}

TSkinBitmap TabFrame(bool selected) {
  using namespace palette;
  constexpr int w = 24;
  constexpr int h = 22;
  TSkinBitmap frame(w, h, clFuchsia);
  const TColor top = selected ? clWhite : kFaceLight;
  const TColor bottom = selected ? clWhite : kFaceDark;
  RoundedBox(frame, frame.BoundsRect(), {kBorder, top, bottom, clFuchsia});
  // Only the top corners are round: the tab stands on the pane.
  frame.FillRect({1, h - 3, w - 1, h}, bottom);
  frame.FillRect({0, h - 3, 1, h}, kBorder);
  frame.FillRect({w - 1, h - 3, w, h}, kBorder);
  if (selected) frame.FillRect({2, 1, w - 2, 3}, kAccent);
  return frame;
}

TSkinBitmap GroupEdgeFrame(TColor line) {
  TSkinBitmap frame(20, 20, clFuchsia);
  RoundedBox(frame, frame.BoundsRect(), {line, clFuchsia, clFuchsia, clFuchsia});
  return frame;
}

TSkinBitmap StatusFrame(int bevel) {
  using namespace palette;
  TSkinBitmap frame(20, 20, kFace);
  if (bevel == 3) return frame;
  const TColor dark = kBorder;
  const TColor light = clWhite;
  const TColor top_left = bevel == 1 ? dark : light;
  const TColor bottom_right = bevel == 1 ? light : dark;
  frame.FillRect({0, 0, 20, 1}, top_left);
  frame.FillRect({0, 0, 1, 20}, top_left);
  frame.FillRect({0, 19, 20, 20}, bottom_right);
  frame.FillRect({19, 0, 20, 20}, bottom_right);
  return frame;
}

}  // namespace

TSkinBitmap HeaderBar() {
  return JoinFrames({HeaderFrame(1), HeaderFrame(2), HeaderFrame(3), HeaderFrame(1), HeaderFrame(1)}, false);
}

TSkinBitmap ComboButton() {
  return JoinFrames({ComboButtonFrame(1), ComboButtonFrame(2), ComboButtonFrame(3), ComboButtonFrame(4)},
                    false);
}

TSkinBitmap SunkEdge() {
  return JoinFrames({SunkEdgeFrame(1), SunkEdgeFrame(2), SunkEdgeFrame(3), SunkEdgeFrame(4)}, false);
}

TSkinBitmap ExtraImages() {
  return JoinFrames({ExtraFrame(1), ExtraFrame(2), ExtraFrame(3), ExtraFrame(4), ExtraFrame(5)}, false);
}

TSkinBitmap Progress() {
  return JoinFrames({ProgressFrame(false), ProgressFrame(true)}, false);
}

TSkinBitmap Tabs() {
  return JoinFrames({TabFrame(false), TabFrame(true), TabFrame(false), TabFrame(false), TabFrame(false)},
                    false);
}

TSkinBitmap TabBorder() {
  TSkinBitmap pane(20, 20, clWhite);
  Outline(pane, pane.BoundsRect(), palette::kBorder);
  return pane;
}

TSkinBitmap GroupBoxEdge() {
  return JoinFrames({GroupEdgeFrame(palette::kBorderLight), GroupEdgeFrame(palette::kBorder)}, false);
}

TSkinBitmap GroupBoxLabel() {
  TSkinBitmap label(20, 16, palette::kFace);
  RoundedBox(label, label.BoundsRect(),
             {palette::kBorderLight, palette::kFaceLight, palette::kFace, clFuchsia});
  return label;
}

TSkinBitmap StatusBarEdges() {
  return JoinFrames({StatusFrame(1), StatusFrame(2), StatusFrame(3)}, false);
}

}  // namespace art
