// Push buttons, check boxes, radio buttons and scroll bars.

#include <vector>

#include "art_canvas.h"
#include "palette.h"
#include "skin/data/image/image_blit.h"
#include "skin_art.h"

namespace art {

namespace {

constexpr int kButtonSize = 22;
constexpr int kToggleSize = 13;
constexpr int kArrowSize = 17;
constexpr TColor kToggleBorder = RgbColour(122, 138, 154);

TSkinBitmap ButtonFrame(int state) {
  using namespace palette;
  TSkinBitmap frame(kButtonSize, kButtonSize, clFuchsia);
  const TRect r = frame.BoundsRect();
  switch (state) {
    case 2:
      RoundedBox(frame, r,
                 {kAccentDark, palette::Tone(200, 212, 226), palette::Tone(216, 226, 238), clFuchsia});
      break;
    case 3:
      RoundedBox(frame, r, {kBorderLight, kFace, kFace, clFuchsia});
      break;
    case 4:
      RoundedBox(frame, r, {palette::Tone(91, 139, 190), kAccentPale, kAccentLight, clFuchsia});
      break;
    default:
      RoundedBox(frame, r, {state == 5 ? kAccent : kBorder, kFaceLight, kFaceDark, clFuchsia});
      break;
  }
  if (state == 5) {
    // A soft inner ring marks the focused or default button.
    const TColor ring = Blend(kAccent, clWhite, 35);
    frame.FillRect({2, 1, kButtonSize - 2, 2}, ring);
    frame.FillRect({2, kButtonSize - 2, kButtonSize - 2, kButtonSize - 1}, ring);
    frame.FillRect({1, 2, 2, kButtonSize - 2}, ring);
    frame.FillRect({kButtonSize - 2, 2, kButtonSize - 1, kButtonSize - 2}, ring);
  }
  return frame;
}

TSkinBitmap CheckFrame(bool checked, bool disabled) {
  using namespace palette;
  TSkinBitmap frame(kToggleSize, kToggleSize, clFuchsia);
  TBoxStyle style{kToggleBorder, clWhite, kFaceLight, clFuchsia, 1};
  if (disabled) style = {kBorderLight, kFace, kFace, clFuchsia, 1};
  if (checked && !disabled) style = {kAccentDark, palette::Tone(82, 146, 208), kAccent, clFuchsia, 1};
  RoundedBox(frame, frame.BoundsRect(), style);
  if (checked) {
    Glyph(frame, 2, 3,
          {"........#", ".......##", "#.....##.", "##...##..", ".##.##...", "..###....", "...#....."},
          disabled ? kTextMuted : clWhite);
  }
  return frame;
}

TSkinBitmap RadioFrame(bool checked, bool disabled) {
  using namespace palette;
  TSkinBitmap frame(kToggleSize, kToggleSize, clFuchsia);
  const TColor ring = disabled ? kBorderLight : checked ? kAccentDark : kToggleBorder;
  const TColor inside = disabled ? kFace : checked ? kAccent : clWhite;
  Disc(frame, kToggleSize, kToggleSize, 12, ring, kFace);
  Disc(frame, kToggleSize, kToggleSize, 10, inside, kFace);
  if (checked) Disc(frame, kToggleSize, kToggleSize, 5, disabled ? kTextMuted : clWhite, inside);
  return frame;
}

enum class TDirection { Left, Right, Up, Down };

// A small solid triangle pointing `direction`, centred in a square of `size`.
void Arrow(TSkinBitmap& frame, int size, TDirection direction, TColor ink) {
  const int cx = size / 2;
  const int cy = size / 2;
  for (int i = 0; i < 4; ++i) {
    switch (direction) {
      case TDirection::Up:
        frame.FillRect({cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i}, ink);
        break;
      case TDirection::Down:
        frame.FillRect({cx - i, cy + 1 - i, cx + i + 1, cy + 2 - i}, ink);
        break;
      case TDirection::Left:
        frame.FillRect({cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1}, ink);
        break;
      case TDirection::Right:
        frame.FillRect({cx + 1 - i, cy - i, cx + 2 - i, cy + i + 1}, ink);
        break;
    }
  }
}

// state: 1 normal, 2 pressed, 3 disabled, 4 hot.
TSkinBitmap ArrowFrame(TDirection direction, int state) {
  using namespace palette;
  const TColor back = state == 2   ? palette::Tone(196, 208, 222)
                      : state == 4 ? kAccentLight
                                   : palette::Tone(232, 236, 240);
  const TColor ink = state == 3 ? kBorderLight : state == 1 ? kGlyph : kAccentDark;
  TSkinBitmap frame(kArrowSize, kArrowSize, back);
  Arrow(frame, kArrowSize, direction, ink);
  return frame;
}

// state: 1 normal, 2 pressed, 3 hot. Three ridges across the thumb.
TSkinBitmap GripFrame(bool vertical, int state) {
  using namespace palette;
  const TColor ink = state == 2 ? clWhite : state == 3 ? kAccentDark : palette::Tone(120, 136, 152);
  TSkinBitmap frame(kArrowSize, kArrowSize, clFuchsia);
  for (int i = -2; i <= 2; i += 2) {
    const int p = kArrowSize / 2 + i;
    frame.FillRect(vertical ? TRect{5, p, 12, p + 1} : TRect{p, 5, p + 1, 12}, ink);
  }
  return frame;
}

TSkinBitmap TrackFrame(bool vertical, int state) {
  const TColor fill = state == 2   ? palette::Tone(226, 231, 237)
                      : state == 3 ? palette::Tone(246, 247, 248)
                                   : palette::Tone(240, 242, 245);
  const TColor edge = palette::Tone(226, 230, 235);
  TSkinBitmap frame(vertical ? kArrowSize : 8, vertical ? 8 : kArrowSize, fill);
  if (vertical) {
    frame.FillRect({0, 0, 1, 8}, edge);
    frame.FillRect({kArrowSize - 1, 0, kArrowSize, 8}, edge);
  } else {
    frame.FillRect({0, 0, 8, 1}, edge);
    frame.FillRect({0, kArrowSize - 1, 8, kArrowSize}, edge);
  }
  return frame;
}

// state: 1 normal, 2 pressed, 3 hot. A pill inset from the bar's long sides.
TSkinBitmap ThumbFrame(bool vertical, int state) {
  using namespace palette;
  TBoxStyle style{palette::Tone(150, 164, 180), palette::Tone(196, 205, 216), palette::Tone(178, 190, 204),
                  clFuchsia};
  if (state == 2) style = {kAccentDark, palette::Tone(110, 160, 212), kAccent, clFuchsia};
  if (state == 3)
    style = {palette::Tone(91, 139, 190), palette::Tone(190, 212, 236), palette::Tone(160, 192, 226),
             clFuchsia};
  const int length = 24;
  TSkinBitmap frame(vertical ? kArrowSize : length, vertical ? length : kArrowSize, clFuchsia);
  RoundedBox(frame, vertical ? TRect{2, 0, kArrowSize - 2, length} : TRect{0, 2, length, kArrowSize - 2},
             style);
  return frame;
}

constexpr int kSpinLong = 15;
constexpr int kSpinShort = 9;

// One half of an up-down; state: 1 normal, 2 pressed, 3 disabled, 4 hot.
TSkinBitmap SpinFace(bool vertical, int state) {
  using namespace palette;
  TBoxStyle style{kBorder, kFaceLight, kFaceDark, clFuchsia};
  if (state == 2)
    style = {kAccentDark, palette::Tone(200, 212, 226), palette::Tone(216, 226, 238), clFuchsia};
  if (state == 3) style = {kBorderLight, kFace, kFace, clFuchsia};
  if (state == 4) style = {palette::Tone(91, 139, 190), kAccentPale, kAccentLight, clFuchsia};
  TSkinBitmap frame(vertical ? kSpinLong : kSpinShort, vertical ? kSpinShort : kSpinLong, clFuchsia);
  RoundedBox(frame, frame.BoundsRect(), style);
  return frame;
}

TSkinBitmap SpinGlyph(TDirection direction, int state) {
  using namespace palette;
  const TColor ink = state == 3 ? kBorderLight : state == 1 ? kGlyph : kAccentDark;
  TSkinBitmap frame(kSpinShort, kSpinShort, clFuchsia);
  Arrow(frame, kSpinShort, direction, ink);
  return frame;
}

// A track bar's thumb, a pill standing across the channel; state as the
// spin faces'.
TSkinBitmap TrackThumbFrame(bool vertical, int state) {
  using namespace palette;
  TBoxStyle style{kBorder, kFaceLight, palette::Tone(206, 214, 224), clFuchsia};
  if (state == 2) style = {kAccentDark, palette::Tone(110, 160, 212), kAccent, clFuchsia};
  if (state == 3) style = {kBorderLight, kFace, kFace, clFuchsia};
  if (state == 4) style = {palette::Tone(91, 139, 190), kAccentPale, kAccentLight, clFuchsia};
  TSkinBitmap frame(vertical ? 21 : 11, vertical ? 11 : 21, clFuchsia);
  RoundedBox(frame, frame.BoundsRect(), style);
  // Two ridges give the thumb something to hold.
  const TColor ridge = state == 3 ? kBorderLight : state == 2 ? clWhite : kBorder;
  for (int i : {-1, 1}) {
    const int p = 21 / 2 + i;
    frame.FillRect(vertical ? TRect{p, 3, p + 1, 8} : TRect{3, p, 8, p + 1}, ridge);
  }
  return frame;
}

}  // namespace

TSkinBitmap UpDownVert() {
  return JoinFrames({SpinFace(true, 1), SpinFace(true, 2), SpinFace(true, 3), SpinFace(true, 4),
                     SpinFace(true, 1), SpinFace(true, 2), SpinFace(true, 3), SpinFace(true, 4)},
                    false);
}

TSkinBitmap UpDownVertGlyphs() {
  using enum TDirection;
  return JoinFrames({SpinGlyph(Up, 1), SpinGlyph(Up, 2), SpinGlyph(Up, 3), SpinGlyph(Up, 4),
                     SpinGlyph(Down, 1), SpinGlyph(Down, 2), SpinGlyph(Down, 3), SpinGlyph(Down, 4)},
                    false);
}

TSkinBitmap UpDownHorz() {
  return JoinFrames({SpinFace(false, 1), SpinFace(false, 2), SpinFace(false, 3), SpinFace(false, 4),
                     SpinFace(false, 1), SpinFace(false, 2), SpinFace(false, 3), SpinFace(false, 4)},
                    false);
}

TSkinBitmap UpDownHorzGlyphs() {
  using enum TDirection;
  return JoinFrames({SpinGlyph(Left, 1), SpinGlyph(Left, 2), SpinGlyph(Left, 3), SpinGlyph(Left, 4),
                     SpinGlyph(Right, 1), SpinGlyph(Right, 2), SpinGlyph(Right, 3), SpinGlyph(Right, 4)},
                    false);
}

TSkinBitmap TrackbarThumb(bool vertical) {
  return JoinFrames({TrackThumbFrame(vertical, 4), TrackThumbFrame(vertical, 1), TrackThumbFrame(vertical, 2),
                     TrackThumbFrame(vertical, 3), TrackThumbFrame(vertical, 1)},
                    false);
}

TSkinBitmap PushButton() {
  return JoinFrames({ButtonFrame(1), ButtonFrame(2), ButtonFrame(3), ButtonFrame(4), ButtonFrame(5)}, false);
}

TSkinBitmap CheckBox() {
  return JoinFrames(
      {CheckFrame(false, false), CheckFrame(true, false), CheckFrame(false, true), CheckFrame(true, true)},
      false);
}

TSkinBitmap RadioButton() {
  return JoinFrames(
      {RadioFrame(false, false), RadioFrame(true, false), RadioFrame(false, true), RadioFrame(true, true)},
      false);
}

TSkinBitmap ScrollbarStrip() {
  std::vector<TSkinBitmap> frames;
  for (TDirection direction : {TDirection::Left, TDirection::Right, TDirection::Up, TDirection::Down}) {
    for (int state = 1; state <= 4; ++state) frames.push_back(ArrowFrame(direction, state));
  }
  for (bool vertical : {false, true}) {
    for (int state = 1; state <= 3; ++state) frames.push_back(GripFrame(vertical, state));
  }
  frames.emplace_back(kArrowSize, kArrowSize, clFuchsia);
  TSkinBitmap strip(kArrowSize * static_cast<int>(frames.size()), kArrowSize);
  for (std::size_t i = 0; i < frames.size(); ++i)
    DrawImage(strip, static_cast<int>(i) * kArrowSize, 0, frames[i]);
  return strip;
}

TSkinBitmap HorzScrollTrack() {
  return JoinFrames({TrackFrame(false, 1), TrackFrame(false, 2), TrackFrame(false, 3), TrackFrame(false, 4)},
                    false);
}

TSkinBitmap VertScrollTrack() {
  return JoinFrames({TrackFrame(true, 1), TrackFrame(true, 2), TrackFrame(true, 3), TrackFrame(true, 4)},
                    false);
}

TSkinBitmap HorzScrollThumb() {
  return JoinFrames({ThumbFrame(false, 1), ThumbFrame(false, 2), ThumbFrame(false, 3)}, false);
}

TSkinBitmap VertScrollThumb() {
  return JoinFrames({ThumbFrame(true, 1), ThumbFrame(true, 2), ThumbFrame(true, 3)}, false);
}

}  // namespace art
