// The Ember skin: the shared artwork recoloured, plus its own window frame
// with wide rounded corners, a plate behind the centred title, and check
// boxes and radio buttons with hot and pressed states (12 and 8 frames).

#include <vector>

#include "art_canvas.h"
#include "palette.h"
#include "skin/data/image/image_blit.h"
#include "skin_art.h"
#include "skin_images.h"

namespace palette {

void UseEmber() {
  gWarmShades = true;
  kTitleTop = RgbColour(92, 62, 46);
  kTitleBottom = RgbColour(52, 34, 26);
  kTitleHighlight = RgbColour(138, 98, 72);
  kInactiveTop = RgbColour(150, 132, 120);
  kInactiveBottom = RgbColour(124, 108, 98);
  kInactiveHighlight = RgbColour(176, 160, 148);
  kFrameOutline = RgbColour(30, 18, 12);
  kInactiveOutline = RgbColour(92, 80, 72);

  kFace = RgbColour(241, 233, 221);
  kFaceLight = RgbColour(251, 247, 240);
  kFaceDark = RgbColour(229, 217, 200);
  kBorder = RgbColour(176, 150, 124);
  kBorderLight = RgbColour(212, 196, 176);
  kText = RgbColour(52, 36, 26);
  kTextMuted = RgbColour(160, 144, 130);
  kGlyph = RgbColour(110, 84, 64);

  kAccent = RgbColour(196, 104, 48);
  kAccentDark = RgbColour(150, 72, 30);
  kAccentLight = RgbColour(244, 214, 190);
  kAccentPale = RgbColour(252, 240, 228);
  kClose = RgbColour(200, 60, 44);
  kCloseDark = RgbColour(150, 36, 24);
}

}  // namespace palette

namespace art {

namespace {

constexpr int kEmberTitle = 30;
constexpr int kEmberBorder = 6;
constexpr int kEmberLength = kEmberTitle + 2 * kEmberBorder;
constexpr int kTopRadius = 6;
constexpr int kBottomRadius = 3;
constexpr int kStrip = 32;
constexpr int kToggle = 13;
// The title plate's rounded ends, kept whole however wide the text is.
constexpr int kPlateEnd = 12;

TSkinBitmap Strip(const std::vector<TSkinBitmap>& frames) {
  TSkinBitmap strip(frames[0].Width() * static_cast<int>(frames.size()), frames[0].Height());
  for (std::size_t i = 0; i < frames.size(); ++i)
    DrawImage(strip, static_cast<int>(i) * frames[0].Width(), 0, frames[i]);
  return strip;
}

struct TEmberColours {
  TColor top;
  TColor bottom;
  TColor highlight;
  TColor outline;
};

TEmberColours Colours(bool active) {
  using namespace palette;
  return active ? TEmberColours{kTitleTop, kTitleBottom, kTitleHighlight, kFrameOutline}
                : TEmberColours{kInactiveTop, kInactiveBottom, kInactiveHighlight, kInactiveOutline};
}

// Row `y` of the title band: a thin copper line under a dark gradient, so
// that the band reads as one piece with the sides that carry its ends.
TColor TitleRow(const TEmberColours& c, int y, bool active) {
  if (y == 0) return c.outline;
  if (y == 1) return c.highlight;
  if (y == kEmberTitle - 1) return active ? palette::kAccent : Blend(c.outline, c.bottom, 40);
  return Blend(c.top, c.bottom, 100 - 100 * (y - 2) / (kEmberTitle - 4));
}

// Cuts a quarter circle of `radius` into the corner whose inner centre is
// (cx, cy), keying out the pixels outside it and outlining the arc. Works in
// doubled coordinates so that pixel centres fall on odd numbers.
void RoundCorner(TSkinBitmap& frame, int x0, int y0, int cx2, int cy2, int radius, TColor outline) {
  const int r2 = 2 * radius;
  for (int y = y0; y < y0 + radius; ++y) {
    for (int x = x0; x < x0 + radius; ++x) {
      const int dx = 2 * x + 1 - cx2;
      const int dy = 2 * y + 1 - cy2;
      const int d = dx * dx + dy * dy;
      if (d > r2 * r2) {
        frame.SetPixel(x, y, clFuchsia);
      } else if (d > (r2 - 2) * (r2 - 2)) {
        frame.SetPixel(x, y, outline);
      }
    }
  }
}

TSkinBitmap LeftFrame(bool active) {
  const TEmberColours c = Colours(active);
  TSkinBitmap frame(kEmberBorder, kEmberLength, c.bottom);
  for (int y = 0; y < kEmberTitle; ++y) frame.FillRect({1, y, kEmberBorder, y + 1}, TitleRow(c, y, active));
  frame.FillRect({1, kEmberTitle, 2, kEmberLength - 1}, c.highlight);
  frame.FillRect({kEmberBorder - 1, kEmberTitle, kEmberBorder, kEmberLength - 1},
                 Blend(c.bottom, clBlack, 80));
  frame.FillRect({0, 0, 1, kEmberLength}, c.outline);
  frame.FillRect({0, kEmberLength - 1, kEmberBorder, kEmberLength}, c.outline);
  RoundCorner(frame, 0, 0, 2 * kTopRadius, 2 * kTopRadius, kTopRadius, c.outline);
  RoundCorner(frame, 0, kEmberLength - kBottomRadius, 2 * kBottomRadius, 2 * (kEmberLength - kBottomRadius),
              kBottomRadius, c.outline);
  return frame;
}

TSkinBitmap TopFrame(bool active) {
  const TEmberColours c = Colours(active);
  TSkinBitmap frame(kStrip, kEmberTitle);
  for (int y = 0; y < kEmberTitle; ++y) frame.FillRect({0, y, kStrip, y + 1}, TitleRow(c, y, active));
  return frame;
}

TSkinBitmap BottomFrame(bool active) {
  const TEmberColours c = Colours(active);
  TSkinBitmap frame(kStrip, kEmberBorder, c.bottom);
  frame.FillRect({0, 0, kStrip, 1}, Blend(c.bottom, clBlack, 80));
  frame.FillRect({0, kEmberBorder - 2, kStrip, kEmberBorder - 1}, Blend(c.bottom, clBlack, 70));
  frame.FillRect({0, kEmberBorder - 1, kStrip, kEmberBorder}, c.outline);
  return frame;
}

// A darker rounded plate with a copper rim behind the title text.
TSkinBitmap TitlePlate(bool active) {
  const TEmberColours c = Colours(active);
  const int width = 2 * kPlateEnd + 8;
  TSkinBitmap frame(width, kEmberTitle, clFuchsia);
  const TColor rim = active ? palette::kAccent : c.highlight;
  RoundedBox(frame, {0, 4, width, kEmberTitle - 4},
             {rim, Blend(c.bottom, clBlack, 70), Blend(c.bottom, clBlack, 55), clFuchsia, 2});
  return frame;
}

// States: 0 normal, 1 hot, 2 pressed, 3 disabled.
TBoxStyle ToggleStyle(bool filled, int state) {
  using namespace palette;
  if (state == 3) return {kBorderLight, kFace, kFace, clFuchsia, 1};
  if (filled) {
    if (state == 2) return {kAccentDark, kAccentDark, kAccent, clFuchsia, 1};
    if (state == 1)
      return {kAccentDark, Blend(kAccent, clWhite, 75), Blend(kAccent, clWhite, 90), clFuchsia, 1};
    return {kAccentDark, Blend(kAccent, clWhite, 85), kAccent, clFuchsia, 1};
  }
  if (state == 2) return {kAccentDark, kAccentLight, kFaceDark, clFuchsia, 1};
  if (state == 1) return {kAccent, clWhite, kAccentPale, clFuchsia, 1};
  return {kBorder, clWhite, kFaceLight, clFuchsia, 1};
}

// `mark`: 0 none, 1 tick, 2 bar (indeterminate).
TSkinBitmap CheckFrame(int mark, int state) {
  TSkinBitmap frame(kToggle, kToggle, clFuchsia);
  RoundedBox(frame, frame.BoundsRect(), ToggleStyle(mark != 0, state));
  const TColor ink = state == 3 ? palette::kTextMuted : clWhite;
  if (mark == 1) {
    Glyph(frame, 2, 3,
          {"........#", ".......##", "#.....##.", "##...##..", ".##.##...", "..###....", "...#....."}, ink);
  } else if (mark == 2) {
    frame.FillRect({3, 5, kToggle - 3, 8}, ink);
  }
  return frame;
}

TSkinBitmap RadioFrame(bool checked, int state) {
  const TBoxStyle style = ToggleStyle(checked, state);
  TSkinBitmap frame(kToggle, kToggle, clFuchsia);
  Disc(frame, kToggle, kToggle, 12, style.border, palette::kFace);
  // A disc shows one colour: a pressed, checked one darkens to its top.
  const TColor fill = checked && state != 2 ? style.fill_bottom : style.fill_top;
  Disc(frame, kToggle, kToggle, 10, fill, palette::kFace);
  if (checked) Disc(frame, kToggle, kToggle, 5, state == 3 ? palette::kTextMuted : clWhite, fill);
  return frame;
}

// Unchecked, checked and indeterminate, each normal, hot, pressed and
// disabled: the order a 12-frame check box strip is read in.
TSkinBitmap EmberCheckBox() {
  std::vector<TSkinBitmap> frames;
  for (int mark = 0; mark < 3; ++mark) {
    for (int state = 0; state < 4; ++state) frames.push_back(CheckFrame(mark, state));
  }
  return Strip(frames);
}

TSkinBitmap EmberRadioButton() {
  std::vector<TSkinBitmap> frames;
  for (bool checked : {false, true}) {
    for (int state = 0; state < 4; ++state) frames.push_back(RadioFrame(checked, state));
  }
  return Strip(frames);
}

}  // namespace

}  // namespace art

TSkinImages EmberSkinImages() {
  using namespace art;
  static const TSkinImageEntry kFrame[] = {
      {"left.bmp",
       [] {
         return JoinFrames({LeftFrame(true), LeftFrame(false)}, false);
       }},
      {"right.bmp",
       [] {
         return JoinFrames({Mirrored(LeftFrame(true)), Mirrored(LeftFrame(false))}, false);
       }},
      {"top.bmp",
       [] {
         return JoinFrames({TopFrame(true), TopFrame(false)}, true);
       }},
      {"bottom.bmp",
       [] {
         return JoinFrames({BottomFrame(true), BottomFrame(false)}, true);
       }},
      {"titleplate.bmp",
       [] {
         return JoinFrames({TitlePlate(true), TitlePlate(false)}, true);
       }},
  };
  static const TSkinImageEntry kToggles[] = {
      {"check.bmp", EmberCheckBox},
      {"radio.bmp", EmberRadioButton},
  };
  return {kFrame, kToggles};
}
