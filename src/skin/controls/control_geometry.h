#pragma once
// Arithmetic every control skin shares: message coordinates, the strip frame
// a skin image is cut at, where a caption block and its focus frame go.
// Rectangles are Right and Bottom exclusive; every "div" truncates toward zero
// as C++ integer division does.

#include <cstdint>

#include "skin/data/image/image_rect.h"

// MouseState bits of a control skin.
inline constexpr std::uint8_t kMouseHot = 0x01;
inline constexpr std::uint8_t kMouseDown = 0x02;

struct TSmallPoint {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(const TSmallPoint&, const TSmallPoint&) = default;
};

// number * numerator / denominator through 64 bits, rounded half away from
// zero; -1 when the denominator is 0 or the result leaves 32 bits, as the
// system's MulDiv answers.
int MulDivRounded(int number, int numerator, int denominator);

// The signed 16-bit halves of a mouse message's lParam (only its low 32 bits count).
TSmallPoint PointFromLParam(std::int64_t lparam);
// Low word, high word; each value is cut to 16 bits as MAKELONG does.
std::uint32_t MakeLong(int low, int high);

// A forwarded press takes its point from lParam, unless the control is wider
// or higher than 32768 pixels: lParam's halves cannot hold its coordinates,
// so the cursor position (already in client coordinates) is used instead.
TSmallPoint ForwardedMouseDownPoint(std::int64_t lparam, int control_width, int control_height,
                                    TSmallPoint cursor_in_client);

// Rect moved inward by dx on the left and right and dy on the top and bottom
// (negative values inflate). Ring i of a border is Deflate(rect, i, i).
TRect Deflate(const TRect& rect, int dx, int dy);
TRect Offset(const TRect& rect, int dx, int dy);
bool Contains(const TRect& rect, int x, int y);

// The source rectangle of frame `frame` (1-based) in a horizontal strip of
// `frame_count` equal frames: width div frame_count wide, full height. A count
// below 1 counts as 1; a frame outside 1..count gives an empty rectangle, so
// nothing outside the strip is ever drawn.
TRect StripFrameSource(int strip_width, int strip_height, int frame_count, int frame);

// Adds DT_RTLREADING for a right-to-left control.
unsigned TextFlags(unsigned flags, bool right_to_left);

// A measured caption block of width x height placed in `rect`: centred
// vertically ((rect height - height) div 2 from the top); horizontally
// centred the same way when `center`, otherwise stretched to rect's left and right.
TRect CaptionBlockRect(const TRect& rect, int width, int height, bool center);
// Centred both ways in `area`, each offset (area size - block size) div 2.
TRect CentredBlock(const TRect& area, int width, int height);

// The focus frame around a caption measured at `measured` (the DT_CALCRECT
// result in a copy of `rect`): with DT_CENTER moved by ((rect width - measured
// width) div 2, (rect height - measured height) div 2 - 1); with DT_RIGHT moved
// right by rect width - measured width; then inflated by 2 horizontally and 1
// vertically and clipped to rect on all four sides.
TRect FocusFrameRect(const TRect& rect, const TRect& measured, unsigned flags);
