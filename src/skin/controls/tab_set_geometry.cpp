#include "skin/controls/tab_set_geometry.h"

#include <algorithm>

std::vector<TTabSetTab> LayOutTabSet(const TTabSetView& view) {
  std::vector<TTabSetTab> tabs;
  const int end = view.Width - view.EndMargin - (view.ScrollerShown ? kTabSetScrollerRoom : 0);
  int x = view.StartMargin;
  const int count = static_cast<int>(view.TextWidths.size());
  for (int i = std::max(view.FirstIndex, 0); i < count; ++i) {
    const int width = view.TextWidths[static_cast<std::size_t>(i)] + kTabSetTextPadding;
    if (x + width > end) break;
    tabs.push_back({i, {x, 0, x + width, view.Height}});
    x += width;
  }
  return tabs;
}
