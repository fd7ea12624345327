#pragma once
// A rectangle in bitmap or device coordinates, Right and Bottom exclusive, as
// GDI keeps them. Nothing normalises it: drawing operations decide themselves
// what an inverted rectangle means.

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool Inverted() const { return Right < Left || Bottom < Top; }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// The common part of two rectangles; an empty (zero-size) rectangle when they do not meet.
constexpr TRect Intersect(const TRect& a, const TRect& b) {
  const TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
                a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
  return r.Width() > 0 && r.Height() > 0 ? r : TRect{};
}
