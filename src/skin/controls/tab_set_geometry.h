#pragma once
// An old-style tab set: its tabs are laid side by side from the start margin,
// beginning at the first visible tab, each as wide as its text plus a fixed
// padding, for as long as they fit before the end margin. A visible scroller
// at the end takes room of its own. Rectangles are Right and Bottom exclusive.

#include <vector>

#include "skin/data/image/image_rect.h"

struct TTabSetView {
  int Width = 0, Height = 0;
  int StartMargin = 0, EndMargin = 0;
  int FirstIndex = 0;  // the first tab shown
  bool ScrollerShown = false;
  std::vector<int> TextWidths;  // of every tab, shown or not
};

struct TTabSetTab {
  int Index = 0;  // into the tab set's list
  TRect Rect;
};

inline constexpr int kTabSetTextPadding = 9;
inline constexpr int kTabSetScrollerRoom = 12;

// The tabs that fit, in order; none before FirstIndex. A negative first index
// counts as 0.
std::vector<TTabSetTab> LayOutTabSet(const TTabSetView& view);
