#pragma once
// Status bars: which StatusBarEdges frame each panel gets, where its text
// goes and where the size grip sits. Rectangles are Right and Bottom
// exclusive.

#include <string_view>

#include "skin/data/image/image_rect.h"

// The StatusBarEdges frame (of 3) for a panel's lower-cased Bevel: lowered 1,
// raised 2, none 3; anything unknown draws as lowered, the panels' default.
int StatusBevelFrame(std::string_view bevel);

// A panel's face: the part's rectangle widened by 2 to the right, closing the
// gap the bar leaves between parts; the last reaches the bar's right edge.
TRect StatusPanelFace(const TRect& part, int bar_width, bool last);

enum class TStatusTextAlign { Left, Centre, Right };
// The lower-cased Alignment of a panel; left and right change places for a
// right-to-left panel.
TStatusTextAlign StatusTextAlign(std::string_view alignment, bool right_to_left);

// The size grip: one frame of `frame_width` x `frame_height` in the bar's
// bottom-right corner.
TRect StatusGripPlace(const TRect& bar, int frame_width, int frame_height);
