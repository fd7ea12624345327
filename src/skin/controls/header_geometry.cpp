#include "skin/controls/header_geometry.h"

#include <algorithm>

#include "skin/controls/control_geometry.h"
#include "skin/windows/win32_values.h"

int HeaderItemFrame(int item, int hot_item) {
  return item == hot_item ? 2 : 1;
}

THeaderAlign HeaderAlignOf(unsigned format) {
  if (format & kHdfCenter) return THeaderAlign::haCenter;
  if (format & kHdfRight) return THeaderAlign::haRight;
  return THeaderAlign::haLeft;
}

int HeaderImageIndex(unsigned format, int image) {
  return format & (kHdfImage | kHdfOwnerDraw) ? image : -1;
}

bool HeaderImageUsed(const THeaderLabelInput& in) {
  return in.HasImage && in.ImageWidth < in.ItemWidth;
}

TRect HeaderTextArea(const THeaderLabelInput& in) {
  TRect r{0, 0, in.ItemWidth, in.ItemHeight};
  if (HeaderImageUsed(in)) r.Right += in.ImageWidth + 2;
  return r;
}

THeaderLabel LayOutHeaderLabel(const THeaderLabelInput& in) {
  THeaderLabel l;
  l.ImageShown = HeaderImageUsed(in);
  const int cx = l.ImageShown ? in.ImageWidth : 0;
  int x = 3;
  if (in.Align == THeaderAlign::haCenter)
    x = (in.ItemWidth - cx - in.TextWidth) / 2;
  else if (in.Align == THeaderAlign::haRight)
    x = in.ItemWidth - cx - in.TextWidth - 2;
  if (x < 2) x = 1;
  l.ImageX = x;
  l.ImageY = (in.ItemHeight - cx) / 2;
  l.Text = Bounds(x + cx, (in.ItemHeight - in.TextHeight) / 2, in.TextWidth, in.TextHeight);
  l.Text.Left = std::max(l.Text.Left, 0);
  l.Text.Right = std::min(l.Text.Right, in.ItemWidth);
  return l;
}

TRect HeaderHotRect(const TRect& item) {
  return Deflate(item, 3, 0);
}

std::optional<int> HeaderNewHotItem(std::span<const TRect> hot_rects, int hot_item, int x, int y) {
  for (int i = 0; i < static_cast<int>(hot_rects.size()); ++i) {
    if (i != hot_item && Contains(hot_rects[i], x, y)) return i;
  }
  return std::nullopt;
}

std::optional<TRect> HeaderRest(const TRect& header, int rightmost_item_edge) {
  if (rightmost_item_edge >= header.Right) return std::nullopt;
  return TRect{rightmost_item_edge, header.Top, header.Right, header.Bottom};
}
