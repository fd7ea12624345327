#pragma once
// Layout arithmetic of controls inside their parent: alignment to the edges,
// anchors, splitter limits, bevel insets and the smallest window size. Plain
// functions on plain rectangles, so the rules are tested without any window.

#include <span>

// Own names in a namespace: control and image headers have their own Rect and
// TAlign, and a file may see all of them.
namespace layout {

struct Rect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const Rect&) const = default;
};

inline Rect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

enum class AlignTo { None, Top, Bottom, Left, Right, Client };

// The edges whose distance to the parent's same edge stays fixed.
struct Anchors {
  bool left = true, top = true, right = false, bottom = false;
};

struct AlignItem {
  AlignTo align = AlignTo::None;
  bool visible = true;
  Rect bounds;  // in: the current place; out: the aligned place
};

// Places the visible aligned items inside `client`: top ones first, then
// bottom, left, right, and client last, each group in the order of its current
// position along its edge (ties keep list order). Items without alignment are
// left where they are. Returns the area that no aligned item took.
Rect AlignItems(Rect client, std::span<AlignItem> items);

// Moves or stretches an unaligned control when its parent's client area
// changes size from `old_width` x `old_height` to `new_width` x `new_height`.
// An edge anchored on both sides stretches; anchored on the far side only it
// moves; anchored on neither it keeps its relative centre.
Rect AnchorBounds(Rect bounds, Anchors anchors, int old_width, int old_height, int new_width, int new_height);

// The size a splitter may give its neighbour: at least `min_size`, and no more
// than leaves `min_size` of the `free_space` that the remainder of the parent
// holds now. A request outside the range is pulled into it; when even the
// minimum does not fit, the neighbour keeps its size.
int SplitterSize(int requested, int current, int free_space, int min_size);

// The client area of a panel inside its bounds (at the origin): each bevel that
// is drawn takes `bevel_width`, the border `border_width` on each side.
Rect PanelClientRect(Rect bounds, bool outer_bevel, bool inner_bevel, int bevel_width, int border_width);

// A window size no smaller than the minimum in either direction; a minimum of 0
// means no limit.
struct Size {
  int cx = 0, cy = 0;
  bool operator==(const Size&) const = default;
};
Size ClampToMinimum(Size size, Size minimum);

// Top-left corner that centres an area of `size` in `screen`.
Rect CentredBounds(Rect screen, Size size);

}  // namespace layout
