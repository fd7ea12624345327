#pragma once
// The check-box geometry for window tests. Its state record shares its name
// with the framework's check-box state, so the two meet only in separate files.

#include "skin/data/image/image_rect.h"

// The strip frame of a checked, enabled box.
int CheckedBoxFrame(int frame_count);
// Where the box of a left-aligned, left-to-right check box goes in `rect`.
TRect CheckBoxPlace(const TRect& rect, int frame_width, int frame_height);
