#pragma once
// Group boxes: where the rounded frame and the caption go. Rectangles are
// Right and Bottom exclusive; "div" truncates toward zero.

#include "skin/data/image/image_rect.h"

struct TGroupBoxLayout {
  TRect Frame;                // the rounded rectangle's corners
  TRect Caption;              // where the caption is drawn, from the top
  bool CaptionRight = false;  // DT_RIGHT: the caption ends 8 pixels from the right edge
  int FrameTop = 0;
};
// The frame runs through the middle of the caption's first line: its top is
// text_height div 2 - 1, one pixel in from the left and right and above the
// bottom edge. The caption starts 8 pixels in from the left, or with
// `right_aligned` (WS_EX_RIGHT) ends 8 pixels from the right.
TGroupBoxLayout LayOutGroupBox(const TRect& rect, int text_height, bool right_aligned);
