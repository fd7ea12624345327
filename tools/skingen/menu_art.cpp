// The menu bar, menu items and the popup-menu background.

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

TSkinBitmap SeparatorFrame() {
  TSkinBitmap frame(kItemWidth, kItemHeight, clFuchsia);
  frame.FillRect({2, kItemHeight / 2, kItemWidth - 2, kItemHeight / 2 + 1}, palette::kBorderLight);
  return frame;
}

TSkinBitmap SelectedFrame() {
  using namespace palette;
  TSkinBitmap frame(kItemWidth, kItemHeight, kFaceLight);
  RoundedBox(frame, {1, 1, kItemWidth - 1, kItemHeight - 1},
             {RgbColour(125, 162, 206), kAccentPale, kAccentLight, kFaceLight});
  return frame;
}

}  // namespace

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
