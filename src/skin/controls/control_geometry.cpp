#include "skin/controls/control_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "skin/windows/win32_values.h"

int MulDivRounded(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const long long product = static_cast<long long>(number) * numerator;
  const long long d = denominator < 0 ? -static_cast<long long>(denominator) : denominator;
  const long long magnitude = ((product < 0 ? -product : product) + d / 2) / d;
  const long long result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(result);
}

TSmallPoint PointFromLParam(std::int64_t lparam) {
  const auto bits = static_cast<std::uint32_t>(lparam);
  return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

std::uint32_t MakeLong(int low, int high) {
  return (static_cast<std::uint32_t>(low) & 0xFFFF) | (static_cast<std::uint32_t>(high) & 0xFFFF) << 16;
}

TSmallPoint ForwardedMouseDownPoint(std::int64_t lparam, int control_width, int control_height,
                                    TSmallPoint cursor_in_client) {
  if (control_width > 32768 || control_height > 32768) return cursor_in_client;
  return PointFromLParam(lparam);
}

TRect Deflate(const TRect& rect, int dx, int dy) {
  return {rect.Left + dx, rect.Top + dy, rect.Right - dx, rect.Bottom - dy};
}

TRect Offset(const TRect& rect, int dx, int dy) {
  return {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

bool Contains(const TRect& rect, int x, int y) {
  return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

TRect StripFrameSource(int strip_width, int strip_height, int frame_count, int frame) {
  const int count = std::max(frame_count, 1);
  if (frame < 1 || frame > count) return {};
  const int width = strip_width / count;
  return Bounds((frame - 1) * width, 0, width, strip_height);
}

unsigned TextFlags(unsigned flags, bool right_to_left) {
  return right_to_left ? flags | kDtRtlReading : flags;
}

TRect CaptionBlockRect(const TRect& rect, int width, int height, bool center) {
  const int top = rect.Top + (rect.Height() - height) / 2;
  if (!center) return {rect.Left, top, rect.Right, top + height};
  return Bounds(rect.Left + (rect.Width() - width) / 2, top, width, height);
}

TRect CentredBlock(const TRect& area, int width, int height) {
  return Bounds(area.Left + (area.Width() - width) / 2, area.Top + (area.Height() - height) / 2, width,
                height);
}

TRect FocusFrameRect(const TRect& rect, const TRect& measured, unsigned flags) {
  TRect r = measured;
  if (flags & kDtCenter) {
    r = Offset(r, (rect.Width() - measured.Width()) / 2, (rect.Height() - measured.Height()) / 2 - 1);
  } else if (flags & kDtRight) {
    r = Offset(r, rect.Width() - measured.Width(), 0);
  }
  r = Deflate(r, -2, -1);
  return {std::max(r.Left, rect.Left), std::max(r.Top, rect.Top), std::min(r.Right, rect.Right),
          std::min(r.Bottom, rect.Bottom)};
}
