#pragma once
// Skinned scroll bars as plain arithmetic: the thumb of a scroll bar control,
// hit-testing, thumb tracking, the pieces an overlay paints, its placement
// over the native bar, and the drop-down list's own thumb drag. Positions
// along a bar are measured from the bar's start along its axis; rectangles are
// Right and Bottom exclusive; MulDiv rounds as the system's does, every "div"
// truncates toward zero.

#include <string_view>

#include "skin/data/image/image_rect.h"

// The parts of a bar, numbered as the scroll codes so that a WM_HSCROLL or
// WM_VSCROLL code can be stored as the hot part directly (codes 4 and 8 then
// match no part).
enum class TScrollPart : int {
  spNone = -1,
  spFirstArrow = 0,
  spSecondArrow = 1,
  spTrackBefore = 2,
  spTrackAfter = 3,
  spThumb = 5,
};
// LOWORD of a scroll message's wParam.
TScrollPart ScrollPartOfCode(unsigned wparam);

struct TScrollRange {
  int Min = 0, Max = 0, Page = 0, Pos = 0;
};
struct TThumbSpan {
  int Start = 0, End = 0;
  int Length() const { return End - Start; }
  friend constexpr bool operator==(const TThumbSpan&, const TThumbSpan&) = default;
};

// A scroll bar control's thumb as the system would report it. Range is
// Max - Min, or 9999999 when they are equal. With a page the thumb is
// MulDiv(length - 2 arrows, Page - 1, range) long, or 8 when that is 7 or
// less; without one it is an arrow long. It starts at the first arrow at Min.
TThumbSpan ControlThumb(int length, int arrow, const TScrollRange& r);
// The thumb start a press on a scroll bar control remembers, from the
// control's Position, Min, Max and PageSize.
int ControlPressThumbStart(int length, int arrow, int position, int min, int max, int page_size);

// The part at `p` along the axis: arrow, track before, thumb, track after,
// second arrow.
TScrollPart ScrollHitTest(int p, int length, int arrow, TThumbSpan thumb);

// The thumb while it is dragged: the start at the press moved by the cursor,
// kept at least an arrow from the start and then no nearer the end than an
// arrow; the length stays.
TThumbSpan TrackedThumb(int press_thumb_start, int cursor_moved, int thumb_length, int length, int arrow);

// What one overlay paint draws. Bar is the native bar moved to the origin.
struct TScrollBarView {
  TRect Bar;
  int OverlayWidth = 0, OverlayHeight = 0;
  bool Vertical = false;
  bool Enabled = true;
  int ArrowSize = 0;
  int StripHeight = 0;  // height of the Scrollbar element's image
  TThumbSpan Thumb;
  TScrollPart HotPart = TScrollPart::spNone;
  bool Pressed = false;
};
struct TScrollBarPaint {
  int Length = 0;
  int Thickness = 0;
  TRect Track;
  int TrackFrame = 1;  // of the HorzScroll / VertScroll element
  TRect FirstArrow, SecondArrow;
  int FirstArrowFrame = 0, SecondArrowFrame = 0;  // of the 23-frame Scrollbar strip
  bool ThumbShown = false;
  TRect Thumb;
  int ThumbFrame = 1;  // of the thumb element
  bool GripShown = false;
  TRect Grip;
  int GripFrame = 0;  // of the Scrollbar strip
};
// Nothing is painted for a bar ending left of or above the origin or larger
// than the overlay.
bool ScrollBarPaintable(const TScrollBarView& v);
// The image height, or the arrow size when the two differ by more than 2.
int ScrollBarThickness(int strip_height, int arrow);
// Arrows an arrow long (half the bar each when shorter than two), the track
// between, thumb and grip only when enabled and inside the overlay; frames by
// the hot part (+1 pressed, +3 hot for arrows; 2 and 3 for the thumb; +1 and
// +2 for the grip).
TScrollBarPaint LayOutScrollBar(const TScrollBarView& v);

// A bar control's orientation from the lower-cased Kind property: vertical
// unless "sbhorizontal". Window bars: kind 1 is vertical.
bool OverlayVertical(int kind, std::string_view lowered_kind_property);
// The overlay over a native bar: the bar's screen rectangle moved into the
// client coordinates of the target's parent, whose client origin is given in
// screen coordinates.
TRect OverlayPlacement(const TRect& bar_screen, int parent_origin_x, int parent_origin_y);
// The square between a shown vertical and horizontal bar (their rectangles in
// the target's client coordinates) on the window DC: a bordered control puts
// its client area 2 pixels in, so every side moves by 2; a bare window only
// widens right and bottom by 2.
TRect ScrollCornerBordered(const TRect& vertical_bar, const TRect& horizontal_bar);
TRect ScrollCornerBare(const TRect& vertical_bar, const TRect& horizontal_bar);

// The drop-down list's own thumb drag: the position for a thumb moved to `n`
// pixels past the first arrow (offset at the press plus the cursor's move),
// for a bar `bar_length` long with arrows `arrow` long and a thumb
// `thumb_length` long.
int DraggedListPosition(int n, const TScrollRange& r, int bar_length, int arrow, int thumb_length);
