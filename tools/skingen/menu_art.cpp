// The menu bar, menu items and the popup-menu background.

#include <initializer_list>

#include "art_canvas.h"
#include "palette.h"
#include "skin_art.h"

namespace art {

namespace {

constexpr int kItemWidth = 24;
constexpr int kItemHeight = 20;

TSkinBitmap MenuBarFrame(bool active) {
  using namespace palette;
  TSkinBitmap frame(20, 20);
  VerticalGradient(frame, frame.BoundsRect(), active ? kFaceLight : kFace, kFace);
  frame.FillRect({0, 19, 20, 20}, kBorderLight);
  return frame;
}

TSkinBitmap ItemFrame() {
  return TSkinBitmap(kItemWidth, kItemHeight, palette::kFaceLight);
}

// A separator item is lower than the element and shows its bottom rows: the
// line sits where an 8-pixel item has its middle.
TSkinBitmap SeparatorFrame() {
  TSkinBitmap frame(kItemWidth, kItemHeight, clFuchsia);
  frame.FillRect({2, kItemHeight - 5, kItemWidth - 2, kItemHeight - 4}, palette::kBorder);
  frame.FillRect({2, kItemHeight - 4, kItemWidth - 2, kItemHeight - 3}, palette::kFaceLight);
  return frame;
}

TSkinBitmap SelectedFrame() {
  using namespace palette;
  TSkinBitmap frame(kItemWidth, kItemHeight, kFaceLight);
  // The selected item's text is the highlight text colour (white): the box
  // is the accent, as a selection in the panes is.
  RoundedBox(frame, {1, 1, kItemWidth - 1, kItemHeight - 1},
             {kAccentDark, palette::Tone(84, 146, 207), kAccent, kFaceLight});
  return frame;
}

constexpr int kMdiButtonWidth = 16;
constexpr int kMdiButtonHeight = 14;

// One face of a maximised MDI child's button on the menu bar: the bare glyph
// over the bar (the key colour lets the bar through), or a box when hot or
// pressed.
TSkinBitmap MdiButtonFrame(std::initializer_list<const char*> glyph, int state) {
  using namespace palette;
  TSkinBitmap frame(kMdiButtonWidth, kMdiButtonHeight, clFuchsia);
  TColor ink = kGlyph;
  if (state == 2) {
    RoundedBox(frame, frame.BoundsRect(), {kAccentDark, kAccent, kAccentDark, clFuchsia, 2});
    ink = clWhite;
  } else if (state >= 3) {
    RoundedBox(frame, frame.BoundsRect(), {kAccent, kAccentPale, kAccentLight, clFuchsia, 2});
    ink = kAccentDark;
  }
  Glyph(frame, 4, 3, glyph, ink);
  return frame;
}

TSkinBitmap MdiButton(std::initializer_list<const char*> glyph) {
  return JoinFrames({MdiButtonFrame(glyph, 1), MdiButtonFrame(glyph, 2), MdiButtonFrame(glyph, 3),
                     MdiButtonFrame(glyph, 4)},
                    false);
}

}  // namespace

TSkinBitmap MdiButtons() {
  const TSkinBitmap minimise =
      MdiButton({".......", ".......", ".......", ".......", ".......", "#######", "#######"});
  const TSkinBitmap restore =
      MdiButton({"..#####", "..#...#", "#####.#", "#####.#", "#...###", "#...#..", "#####.."});
  const TSkinBitmap close =
      MdiButton({"##...##", "###.###", ".#####.", "..###..", ".#####.", "###.###", "##...##"});
  return JoinFrames({minimise, restore, close}, false);
}

TSkinBitmap MenuBar() {
  return JoinFrames({MenuBarFrame(true), MenuBarFrame(false)}, true);
}

TSkinBitmap MenuItem() {
  return JoinFrames({ItemFrame(), SeparatorFrame(), ItemFrame(), SelectedFrame(), ItemFrame()}, false);
}

TSkinBitmap MenuBackground() {
  TSkinBitmap background(16, 16, palette::kFaceLight);
  Outline(background, background.BoundsRect(), palette::kBorder);
  return background;
}

}  // namespace art
