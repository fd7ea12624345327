#include "skin/windows/caption_text.h"

#include <algorithm>

TRect CaptionTextRect(const TCaptionTextInput& in) {
  const int width = in.TextWidth + in.TXTBackleft + in.TXTBackRight;
  int x = 0;
  if (!in.RightToLeft) {
    switch (in.TextAlignment) {
      case 0:
        x = in.TextShift;
        break;
      case 1:
        x = (in.TitleWidth - width) / 2;
        break;
      case 2:
        x = in.TitleWidth - in.TextRightClip - width;
        break;
    }
  } else {
    switch (in.TextAlignment) {
      case 0:
        x = in.TitleWidth - in.RightReserve - width;
        break;
      case 1:
        x = (in.TitleWidth - in.RightReserve - width) / 2;
        break;
      case 2:
        x = in.TextShift;
        break;
    }
  }
  const int y = (in.TitleHeight - in.TextHeight) / 2 + in.TextShiftVert / 2;
  TRect r = Bounds(x, y, width, in.TextHeight);
  if (in.RightToLeft && r.Left < 1) r = Bounds(in.TextShift, y, width, in.TextHeight);
  if (in.RightToLeft) {
    r.Left += 10;
    r.Right += 10;
  } else if (in.Popup) {
    if (in.RightReserve > 5) r.Right = std::min(r.Right, in.TitleWidth - in.RightReserve - 5);
  } else {
    r.Right = std::min(r.Right, in.TitleWidth - in.TextRightClip);
  }
  // Dialog frames show no icon, so left-aligned text takes its place.
  if (in.Kind == TFrameKind::fkDialog && in.TextAlignment == 0) r.Left -= 16;
  return r;
}

TRect CaptionDrawRect(const TRect& text_rect, int txt_back_left, int txt_back_right) {
  return {text_rect.Left + txt_back_left, text_rect.Top, text_rect.Right - txt_back_right, text_rect.Bottom};
}
