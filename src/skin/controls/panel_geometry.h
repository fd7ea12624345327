#pragma once
// Group boxes: the rounded frame and the caption that interrupts its top line.
// Rectangles are Right and Bottom exclusive; every "div" truncates toward zero.

#include "skin/data/image/image_rect.h"

struct TGroupBoxLayout {
  int FrameTop = 0;
  TRect Frame;    // the rounded rectangle's corners
  TRect Erase;    // framed twice (outer ring, one pixel in) to wipe a native frame
  TRect Caption;  // where the caption is drawn
  unsigned Flags = 0;
};
// `text_height` is the height of "0" in the box's font; the frame's top line
// runs through its middle (text height div 2 - 1). The caption starts 8
// pixels from the left edge, or with WS_EX_RIGHT ends 8 pixels from the right.
TGroupBoxLayout LayOutGroupBox(const TRect& rect, int text_height, bool right_aligned, bool right_to_left);
