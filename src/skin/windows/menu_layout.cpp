#include "skin/windows/menu_layout.h"

#include <algorithm>
#include <cstddef>

#include "skin/windows/win32_values.h"

namespace {
bool Contains(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}
}  // namespace

TRect MenuBarRect(int window_width, const TFrameMetrics& m) {
  return {m.Left, m.Top, window_width - m.Right, m.Top + m.MenuBar};
}

int MenuBarFirstButtonOffset(bool has_element, int element_left_width, int element_right_width, int bar_width,
                             bool rtl) {
  if (!has_element) return rtl ? bar_width - 6 : 6;
  if (rtl) return bar_width - element_right_width - 8;
  const int start = element_left_width + 4;
  return bar_width < start ? 12 : start;
}

std::vector<TRect> LayoutMenuBarButtons(const TRect& bar, int start, std::span<const int> caption_widths,
                                        std::span<const bool> visible, bool rtl, int rtl_limit) {
  std::vector<TRect> rects(caption_widths.size());
  int x = bar.Left + start;
  if (rtl) x = std::min(x, rtl_limit - 5);
  for (std::size_t i = 0; i < caption_widths.size(); ++i) {
    if (i < visible.size() && !visible[i]) continue;
    const int w = caption_widths[i] > 0 ? caption_widths[i] + 10 : 0;
    if (rtl) {
      rects[i] = {x - w, bar.Top, x, bar.Bottom - 1};
      x -= w;
    } else {
      rects[i] = {x, bar.Top, x + w, bar.Bottom - 1};
      x += w;
    }
  }
  return rects;
}

int MenuBarButtonAt(std::span<const TRect> rects, std::span<const bool> has_caption, int x, int y) {
  const std::size_t n = std::min(rects.size(), has_caption.size());
  for (std::size_t i = 0; i < n; ++i)
    if (has_caption[i] && Contains(rects[i], x, y)) return static_cast<int>(i);
  return -1;
}

int NextMenuBarButton(int current, int count, bool forward) {
  if (count <= 0) return -1;
  if (current < 0 || current >= count) return forward ? 0 : count - 1;
  return forward ? (current + 1) % count : (current + count - 1) % count;
}

unsigned MirroredArrowKey(unsigned virtual_key, bool rtl) {
  if (!rtl) return virtual_key;
  if (virtual_key == kVkLeft) return kVkRight;
  if (virtual_key == kVkRight) return kVkLeft;
  return virtual_key;
}

int MainMenuItemWidth(int framework_width, bool has_menu_item_element, int left_width, bool has_image_list) {
  return framework_width + (has_menu_item_element ? left_width : 0) + (has_image_list ? 10 : 25 + 10);
}

int PopupMenuItemWidth(int framework_width, bool has_menu_item_element, int left_width, bool has_image_list) {
  return framework_width + (has_menu_item_element ? left_width : 0) + (has_image_list ? 12 : 23 + 12);
}

TNativeItemSize NativeMenuItemSize(int text_width, int height, bool has_text, bool has_menu_item_element,
                                   int left_width, bool win9x) {
  TNativeItemSize size{text_width + 26 + (has_menu_item_element ? left_width : 0), has_text ? height + 4 : 8};
  if (win9x) size.Height += 4;
  return size;
}

TMenuItemLayout LayoutMenuItem(const TRect& item, int image_list_width, bool checked,
                               bool has_menu_item_element, int left_width, bool rtl, int text_width) {
  int side = image_list_width > 0 ? image_list_width : 16;
  if (checked) side = std::max(side, 16);
  const int inset = 1 + (has_menu_item_element ? left_width : 0);
  TMenuItemLayout l;
  if (!rtl) {
    l.Glyph = Bounds(item.Left + inset, item.Top + 1, side, side);
    l.Text = {l.Glyph.Right + 3, item.Top, item.Right - 1, item.Bottom};
    l.Shortcut = {l.Text.Left + text_width, item.Top, item.Right - 11, item.Bottom};
  } else {
    l.Glyph = {item.Right - inset - side, item.Top + 1, item.Right - inset, item.Top + 1 + side};
    l.Text = {item.Left + 1, item.Top, l.Glyph.Left - 3, item.Bottom};
    l.Shortcut = {item.Left + 11, item.Top, l.Text.Right - text_width, item.Bottom};
  }
  l.SeparatorY = l.Text.Top + 4;
  return l;
}

TSeparatorPlacement PlaceMenuSeparator(const TRect& item, int frame_width, int element_height, int left_width,
                                       int right_width) {
  const int h = std::min(item.Height(), element_height);
  const int src_top = element_height - h;
  const int f = frame_width;  // frame 2 starts one frame width in
  const int middle_right = std::max(item.Right - right_width, item.Left + left_width);
  TSeparatorPlacement p;
  p.SourceLeft = {f, src_top, f + left_width, element_height};
  p.SourceMiddle = {f + left_width, src_top, 2 * f - right_width, element_height};
  p.SourceRight = {2 * f - right_width, src_top, 2 * f, element_height};
  p.DestLeft = {item.Left, item.Top, item.Left + left_width, item.Top + h};
  p.DestMiddle = {item.Left + left_width, item.Top, middle_right, item.Top + h};
  p.DestRight = {item.Right - right_width, item.Top, item.Right, item.Top + h};
  return p;
}
