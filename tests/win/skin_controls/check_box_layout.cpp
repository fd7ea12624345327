#include "check_box_layout.h"

#include <windows.h>

#include "skin/controls/check_box_geometry.h"

int CheckedBoxFrame(int frame_count) {
  TCheckBoxState state;
  state.NativeState = BST_CHECKED;
  return CheckBoxFrame(state, frame_count);
}

TRect CheckBoxPlace(const TRect& rect, int frame_width, int frame_height) {
  return LayOutCheckBox(rect, frame_width, frame_height, false, false, false).Box;
}
