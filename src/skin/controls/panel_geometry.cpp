#include "skin/controls/panel_geometry.h"

#include "skin/controls/control_geometry.h"
#include "skin/windows/win32_values.h"

TGroupBoxLayout LayOutGroupBox(const TRect& rect, int text_height, bool right_aligned, bool right_to_left) {
  TGroupBoxLayout l;
  l.FrameTop = text_height / 2 - 1;
  l.Frame = {1, l.FrameTop, rect.Right - 1, rect.Bottom - 1};
  l.Erase = {0, l.FrameTop, rect.Right, rect.Bottom};
  if (right_aligned) {
    l.Caption = {rect.Left, rect.Top, rect.Right - 8, rect.Bottom};
    l.Flags = TextFlags(kDtRight | kDtExpandTabs, right_to_left);
  } else {
    l.Caption = {rect.Left + 8, rect.Top, rect.Right, rect.Bottom};
    l.Flags = kDtExpandTabs;
  }
  return l;
}
