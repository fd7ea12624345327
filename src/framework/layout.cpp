#include "framework/layout.h"

#include <algorithm>
#include <vector>

namespace layout {

namespace {

// The position along the edge that orders items of one alignment group.
int OrderKey(const AlignItem& item) {
  switch (item.align) {
    case AlignTo::Top:
      return item.bounds.Top;
    case AlignTo::Bottom:
      return -item.bounds.Bottom;
    case AlignTo::Left:
      return item.bounds.Left;
    case AlignTo::Right:
      return -item.bounds.Right;
    default:
      return 0;
  }
}

void Place(AlignItem& item, Rect& rest) {
  Rect& r = item.bounds;
  const int w = std::max(0, r.Width()), h = std::max(0, r.Height());
  switch (item.align) {
    case AlignTo::Top:
      r = {rest.Left, rest.Top, rest.Right, rest.Top + h};
      rest.Top = std::min(rest.Bottom, r.Bottom);
      break;
    case AlignTo::Bottom:
      r = {rest.Left, rest.Bottom - h, rest.Right, rest.Bottom};
      rest.Bottom = std::max(rest.Top, r.Top);
      break;
    case AlignTo::Left:
      r = {rest.Left, rest.Top, rest.Left + w, rest.Bottom};
      rest.Left = std::min(rest.Right, r.Right);
      break;
    case AlignTo::Right:
      r = {rest.Right - w, rest.Top, rest.Right, rest.Bottom};
      rest.Right = std::max(rest.Left, r.Left);
      break;
    case AlignTo::Client:
      r = rest;
      break;
    case AlignTo::None:
      break;
  }
}

// One axis of an anchored control: start and length on a parent of length
// `old_len` that becomes `new_len`.
void AnchorAxis(int& start, int& end, bool near, bool far, int old_len, int new_len) {
  const int delta = new_len - old_len;
  if (far && near) {
    end += delta;
  } else if (far) {
    start += delta;
    end += delta;
  } else if (!near) {
    const int shift = delta / 2;
    start += shift;
    end += shift;
  }
}

}  // namespace

Rect AlignItems(Rect client, std::span<AlignItem> items) {
  Rect rest = client;
  for (AlignTo group : {AlignTo::Top, AlignTo::Bottom, AlignTo::Left, AlignTo::Right, AlignTo::Client}) {
    std::vector<AlignItem*> members;
    for (AlignItem& item : items)
      if (item.visible && item.align == group) members.push_back(&item);
    std::stable_sort(members.begin(), members.end(),
                     [](const AlignItem* a, const AlignItem* b) { return OrderKey(*a) < OrderKey(*b); });
    for (AlignItem* item : members) Place(*item, rest);
  }
  return rest;
}

Rect AnchorBounds(Rect bounds, Anchors anchors, int old_width, int old_height, int new_width,
                  int new_height) {
  AnchorAxis(bounds.Left, bounds.Right, anchors.left, anchors.right, old_width, new_width);
  AnchorAxis(bounds.Top, bounds.Bottom, anchors.top, anchors.bottom, old_height, new_height);
  return bounds;
}

int SplitterSize(int requested, int current, int free_space, int min_size) {
  const int largest = current + free_space - min_size;
  if (largest < min_size) return current;
  return std::clamp(requested, min_size, largest);
}

Rect PanelClientRect(Rect bounds, bool outer_bevel, bool inner_bevel, int bevel_width, int border_width) {
  int inset = border_width;
  if (outer_bevel) inset += bevel_width;
  if (inner_bevel) inset += bevel_width;
  Rect r{0, 0, bounds.Width(), bounds.Height()};
  r.Left = std::min(inset, r.Right / 2);
  r.Top = std::min(inset, r.Bottom / 2);
  r.Right = std::max(r.Left, r.Right - inset);
  r.Bottom = std::max(r.Top, r.Bottom - inset);
  return r;
}

Size ClampToMinimum(Size size, Size minimum) {
  return {std::max(size.cx, minimum.cx), std::max(size.cy, minimum.cy)};
}

Rect CentredBounds(Rect screen, Size size) {
  return Bounds(screen.Left + (screen.Width() - size.cx) / 2, screen.Top + (screen.Height() - size.cy) / 2,
                size.cx, size.cy);
}

}  // namespace layout
