// Window frame and caption buttons.

#include <initializer_list>

#include "art_canvas.h"
#include "palette.h"
#include "skin_art.h"

namespace art {

namespace {

constexpr int kBorderLength = kTitleHeight + 2 * kBorderWidth;
constexpr int kStripLength = 32;
constexpr int kButtonWidth = 26;
constexpr int kButtonHeight = 18;

struct TFrameColours {
  TColor top;
  TColor bottom;
  TColor highlight;
  TColor outline;
};

TFrameColours FrameColours(bool active) {
  return active ? TFrameColours{palette::kTitleTop, palette::kTitleBottom, palette::kTitleHighlight,
                                palette::kFrameOutline}
                : TFrameColours{palette::kInactiveTop, palette::kInactiveBottom, palette::kInactiveHighlight,
                                palette::kInactiveOutline};
}

// Row `y` of the title band, shared by the top border and the upper part of
// the side borders so that they meet without a seam.
TColor TitleRow(const TFrameColours& c, int y) {
  if (y == 0) return c.outline;
  if (y == 1) return c.highlight;
  if (y == kTitleHeight - 1) return Blend(c.outline, c.bottom, 40);
  return Blend(c.top, c.bottom, 100 - 100 * (y - 2) / (kTitleHeight - 4));
}

// The left border of one state: the title band's left end with a rounded
// corner, then the border body down to the bottom corner.
TSkinBitmap LeftFrame(bool active) {
  const TFrameColours c = FrameColours(active);
  TSkinBitmap frame(kBorderWidth, kBorderLength, c.bottom);
  for (int y = 0; y < kTitleHeight; ++y) frame.FillRect({1, y, kBorderWidth, y + 1}, TitleRow(c, y));
  frame.FillRect({0, 0, 1, kBorderLength}, c.outline);
  frame.FillRect({0, kBorderLength - 1, kBorderWidth, kBorderLength}, c.outline);
  frame.FillRect({kBorderWidth - 1, kTitleHeight, kBorderWidth, kBorderLength - 1},
                 Blend(c.bottom, clBlack, 85));
  frame.SetPixel(0, 0, clFuchsia);
  frame.SetPixel(1, 0, clFuchsia);
  frame.SetPixel(0, 1, clFuchsia);
  frame.SetPixel(1, 1, c.outline);
  frame.SetPixel(0, kBorderLength - 1, clFuchsia);
  return frame;
}

TSkinBitmap TopFrame(bool active) {
  const TFrameColours c = FrameColours(active);
  TSkinBitmap frame(kStripLength, kTitleHeight);
  for (int y = 0; y < kTitleHeight; ++y) frame.FillRect({0, y, kStripLength, y + 1}, TitleRow(c, y));
  return frame;
}

TSkinBitmap BottomFrame(bool active) {
  const TFrameColours c = FrameColours(active);
  TSkinBitmap frame(kStripLength, kBorderWidth, c.bottom);
  frame.FillRect({0, 0, kStripLength, 1}, Blend(c.bottom, clBlack, 85));
  frame.FillRect({0, kBorderWidth - 1, kStripLength, kBorderWidth}, c.outline);
  return frame;
}

void DrawCaptionGlyph(TSkinBitmap& frame, TCaptionGlyph glyph, TColor ink, TColor fill) {
  constexpr int x = (kButtonWidth - 10) / 2;
  constexpr int y = (kButtonHeight - 10) / 2;
  switch (glyph) {
    case TCaptionGlyph::Close:
      Line(frame, x, y, x + 8, y + 8, ink, 2);
      Line(frame, x + 8, y, x, y + 8, ink, 2);
      break;
    case TCaptionGlyph::Minimise:
      frame.FillRect({x, y + 8, x + 10, y + 10}, ink);
      break;
    case TCaptionGlyph::Maximise:
      Outline(frame, {x, y, x + 10, y + 10}, ink);
      frame.FillRect({x, y + 1, x + 10, y + 2}, ink);
      break;
    case TCaptionGlyph::Restore:
      Outline(frame, {x + 3, y, x + 10, y + 7}, ink);
      frame.FillRect({x + 3, y + 1, x + 10, y + 2}, ink);
      frame.FillRect({x, y + 3, x + 7, y + 10}, fill);
      Outline(frame, {x, y + 3, x + 7, y + 10}, ink);
      frame.FillRect({x, y + 4, x + 7, y + 5}, ink);
      break;
    case TCaptionGlyph::Help:
      Glyph(frame, x + 2, y,
            {".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..", "..##.."}, ink);
      break;
  }
}

// One caption button frame: a rounded pill on the title band.
TSkinBitmap CaptionFrame(TCaptionGlyph glyph, int state) {
  const bool disabled = state == 4;
  const TFrameColours c = FrameColours(!disabled);
  const TColor band = Blend(c.top, c.bottom, 50);
  TBoxStyle style{Blend(clWhite, band, 28), Blend(clWhite, c.top, 16), Blend(clWhite, c.bottom, 10), band, 2};
  TColor ink = clWhite;
  if (state == 2) {
    style.border = Blend(clBlack, c.bottom, 35);
    style.fill_top = Blend(clBlack, c.bottom, 25);
    style.fill_bottom = Blend(clBlack, c.bottom, 15);
  } else if (state == 3) {
    style.border = Blend(clWhite, band, 50);
    style.fill_top = Blend(clWhite, c.top, 34);
    style.fill_bottom = Blend(clWhite, c.bottom, 24);
  } else if (disabled) {
    ink = Blend(clWhite, c.bottom, 55);
  }
  if (glyph == TCaptionGlyph::Close && (state == 2 || state == 3)) {
    const TColor red = state == 2 ? palette::kCloseDark : palette::kClose;
    style.border = Blend(clBlack, red, 15);
    style.fill_top = Blend(clWhite, red, 12);
    style.fill_bottom = red;
  }
  TSkinBitmap frame(kButtonWidth, kButtonHeight);
  // Behind the pill's corners the title band shows through.
  frame.Fill(band);
  RoundedBox(frame, frame.BoundsRect(), style);
  DrawCaptionGlyph(frame, glyph, ink, Blend(style.fill_top, style.fill_bottom, 50));
  return frame;
}

}  // namespace

TSkinBitmap LeftBorder() {
  return JoinFrames({LeftFrame(true), LeftFrame(false)}, false);
}

TSkinBitmap RightBorder() {
  return JoinFrames({Mirrored(LeftFrame(true)), Mirrored(LeftFrame(false))}, false);
}

TSkinBitmap TopBorder() {
  return JoinFrames({TopFrame(true), TopFrame(false)}, true);
}

TSkinBitmap BottomBorder() {
  return JoinFrames({BottomFrame(true), BottomFrame(false)}, true);
}

TSkinBitmap CaptionButton(TCaptionGlyph glyph) {
  return JoinFrames(
      {CaptionFrame(glyph, 1), CaptionFrame(glyph, 2), CaptionFrame(glyph, 3), CaptionFrame(glyph, 4)},
      false);
}

TSkinBitmap IconButton() {
  // A page with ruled lines, on the title band; the program's own icon takes
  // its place when the window has one.
  const TFrameColours c = FrameColours(true);
  TSkinBitmap icon(16, 16, Blend(c.top, c.bottom, 50));
  icon.FillRect({2, 1, 14, 15}, palette::kFaceLight);
  Outline(icon, {2, 1, 14, 15}, palette::kFrameOutline);
  Glyph(icon, 10, 1, {"####", ".#.#", "..##", "...#"}, palette::kFrameOutline);
  for (int y = 5; y <= 11; y += 3) icon.FillRect({4, y, 12, y + 1}, palette::kAccent);
  return icon;
}

}  // namespace art
