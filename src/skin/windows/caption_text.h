#pragma once
// Where the caption text goes in the title bitmap (Width x Top of the window).
// Halves are integer divisions toward zero.

#include "skin/data/image/image_rect.h"
#include "skin/windows/frame_geometry.h"

struct TCaptionTextInput {
  int TitleWidth = 0, TitleHeight = 0;  // the title bitmap: window width x top height
  int TextWidth = 0, TextHeight = 0;    // the text measured on one line
  // From the title element: TextAlignment 0 left, 1 centred, 2 right.
  int TextAlignment = 0, TextShift = 0, TextShiftVert = 0, TextRightClip = 0;
  int TXTBackleft = 0, TXTBackRight = 0;
  int RightReserve = 0;  // see RightReserve() in caption_buttons.h
  bool RightToLeft = false;
  bool Popup = false;  // the window has WS_POPUP
  TFrameKind Kind = TFrameKind::fkFixed;
};

// The title text rectangle, TXTBack margins included (caption buttons aligned
// to the text and the text background use it). The measured width grows by
// the two TXTBack margins; the left edge follows the alignment (mirrored and
// kept clear of the right reserve for right-to-left windows, which fall back
// to TextShift below 1 and sit 10 pixels further right); the vertical offset is
// half the free height plus half of TextShiftVert. The right edge is clipped
// at the reserve (popup windows, reserve above 5) or at TextRightClip (other
// windows). Left-aligned dialog frames start 16 pixels further left: they
// show no icon.
TRect CaptionTextRect(const TCaptionTextInput& in);
// Where the text itself is drawn: the text rectangle less the TXTBack margins.
TRect CaptionDrawRect(const TRect& text_rect, int txt_back_left, int txt_back_right);
