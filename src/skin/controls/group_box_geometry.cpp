#include "skin/controls/group_box_geometry.h"

TGroupBoxLayout LayOutGroupBox(const TRect& rect, int text_height, bool right_aligned) {
  TGroupBoxLayout l;
  l.FrameTop = text_height / 2 - 1;
  l.Frame = {1, l.FrameTop, rect.Right - 1, rect.Bottom - 1};
  l.CaptionRight = right_aligned;
  l.Caption = right_aligned ? TRect{rect.Left, rect.Top, rect.Right - 8, rect.Bottom}
                            : TRect{rect.Left + 8, rect.Top, rect.Right, rect.Bottom};
  return l;
}
