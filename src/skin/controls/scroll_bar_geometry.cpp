#include "skin/controls/scroll_bar_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "skin/controls/control_geometry.h"

namespace {

// Frames of the 23-frame Scrollbar strip.
constexpr int kLeftArrow = 1, kRightArrow = 5, kUpArrow = 9, kDownArrow = 13;
constexpr int kHorzGrip = 17, kVertGrip = 20;

// A rectangle `from`..`to` along the axis and 0..`thickness` across it.
TRect AlongAxis(bool vertical, int from, int to, int thickness) {
  return vertical ? TRect{0, from, thickness, to} : TRect{from, 0, to, thickness};
}

int ArrowFrame(int base, TScrollPart part, const TScrollBarView& v) {
  if (v.HotPart != part) return base;
  return base + (v.Pressed ? 1 : 3);
}

}  // namespace

TScrollPart ScrollPartOfCode(unsigned wparam) {
  return static_cast<TScrollPart>(wparam & 0xFFFF);
}

TThumbSpan ControlThumb(int length, int arrow, const TScrollRange& r) {
  const int range = r.Max == r.Min ? 9999999 : r.Max - r.Min;
  const bool at_min = r.Pos == r.Min;
  TThumbSpan t;
  if (r.Page != 0) {
    const int thumb = MulDivRounded(length - 2 * arrow, r.Page - 1, range);
    if (thumb > 7) {
      t.Start = at_min ? arrow : arrow + MulDivRounded(length - 2 * arrow, r.Pos - r.Min, range);
      t.End = t.Start + thumb;
    } else {
      t.Start = at_min ? arrow : arrow + MulDivRounded(length - 2 * arrow - 8, r.Pos - r.Min, range);
      t.End = t.Start + 8;
    }
  } else {
    t.Start = at_min ? arrow : arrow + MulDivRounded(length - 3 * arrow, r.Pos - r.Min, range);
    t.End = t.Start + arrow;
  }
  return t;
}

int ControlPressThumbStart(int length, int arrow, int position, int min, int max, int page_size) {
  if (position == min) return arrow;
  const int c = page_size != 0 ? -2 : -3;
  return arrow + MulDivRounded(length + c * arrow, position - min, max - min);
}

TScrollPart ScrollHitTest(int p, int length, int arrow, TThumbSpan thumb) {
  if (p < arrow) return TScrollPart::spFirstArrow;
  if (p < thumb.Start) return TScrollPart::spTrackBefore;
  if (p < thumb.End) return TScrollPart::spThumb;
  if (p < length - arrow) return TScrollPart::spTrackAfter;
  return TScrollPart::spSecondArrow;
}

TThumbSpan TrackedThumb(int press_thumb_start, int cursor_moved, int thumb_length, int length, int arrow) {
  int start = std::max(press_thumb_start + cursor_moved, arrow);
  start = std::min(start, length - arrow - thumb_length);
  return {start, start + thumb_length};
}

bool ScrollBarPaintable(const TScrollBarView& v) {
  return v.Bar.Right >= 0 && v.Bar.Bottom >= 0 && v.Bar.Width() <= v.OverlayWidth &&
         v.Bar.Height() <= v.OverlayHeight;
}

int ScrollBarThickness(int strip_height, int arrow) {
  return std::abs(strip_height - arrow) > 2 ? arrow : strip_height;
}

TScrollBarPaint LayOutScrollBar(const TScrollBarView& v) {
  TScrollBarPaint p;
  const bool vert = v.Vertical;
  const int a = v.ArrowSize;
  p.Length = vert ? v.Bar.Height() : v.Bar.Width();
  p.Thickness = ScrollBarThickness(v.StripHeight, a);
  p.Track = AlongAxis(vert, a, p.Length - a, p.Thickness);
  p.TrackFrame = v.Enabled ? 1 : 3;
  const int arrow = p.Length < 2 * a ? p.Length / 2 : a;
  p.FirstArrow = AlongAxis(vert, 0, arrow, p.Thickness);
  p.SecondArrow = AlongAxis(vert, p.Length - arrow, p.Length, p.Thickness);
  p.FirstArrowFrame = ArrowFrame(vert ? kUpArrow : kLeftArrow, TScrollPart::spFirstArrow, v);
  p.SecondArrowFrame = ArrowFrame(vert ? kDownArrow : kRightArrow, TScrollPart::spSecondArrow, v);
  if (!v.Enabled) return p;
  const int overlay_length = vert ? v.OverlayHeight : v.OverlayWidth;
  const bool thumb_hot = v.HotPart == TScrollPart::spThumb;
  p.ThumbShown = v.Thumb.Start >= 0 && v.Thumb.End <= overlay_length;
  p.Thumb = AlongAxis(vert, v.Thumb.Start, v.Thumb.End, p.Thickness);
  p.ThumbFrame = thumb_hot ? (v.Pressed ? 2 : 3) : 1;
  const int grip = v.StripHeight;
  if (grip < v.Thumb.Length() + 2) {
    const int start = v.Thumb.Start + (v.Thumb.Length() - grip) / 2;
    p.GripShown = start >= 0 && start + grip <= overlay_length;
    p.Grip = AlongAxis(vert, start, start + grip, grip);
    p.GripFrame = (vert ? kVertGrip : kHorzGrip) + (thumb_hot ? (v.Pressed ? 1 : 2) : 0);
  }
  return p;
}

bool OverlayVertical(int kind, std::string_view lowered_kind_property) {
  if (kind == 2) return lowered_kind_property != "sbhorizontal";
  return kind == 1;
}

TRect OverlayPlacement(const TRect& bar_screen, int parent_origin_x, int parent_origin_y) {
  return Offset(bar_screen, -parent_origin_x, -parent_origin_y);
}

TRect ScrollCornerBordered(const TRect& vertical_bar, const TRect& horizontal_bar) {
  return {vertical_bar.Left + 2, horizontal_bar.Top + 2, vertical_bar.Right + 2, horizontal_bar.Bottom + 2};
}

TRect ScrollCornerBare(const TRect& vertical_bar, const TRect& horizontal_bar) {
  return {vertical_bar.Left, horizontal_bar.Top, vertical_bar.Right + 2, horizontal_bar.Bottom + 2};
}

int DraggedListPosition(int n, const TScrollRange& r, int bar_length, int arrow, int thumb_length) {
  const int track = bar_length - 2 * arrow;
  const int free = track - thumb_length;
  n = std::max(n, 0);
  int position;
  if (r.Page != 0) {
    if (n > free) n = free + 1;
    position = r.Min + MulDivRounded(n, r.Max - r.Min - r.Page, free);
    if (position >= r.Max - r.Page) position = r.Max - r.Page + 1;
  } else {
    position = std::min(r.Min + MulDivRounded(std::min(n, free), r.Max - r.Min, track), r.Max);
  }
  return std::max(position, r.Min);
}
