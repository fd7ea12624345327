#pragma once
// Check boxes and radio buttons: the frame of the check or radio strip that
// shows the control's state, and where box and caption go. Rectangles are
// Right and Bottom exclusive; every "div" truncates toward zero.

#include <optional>
#include <string>

#include "skin/data/image/image_rect.h"

// What a check-box paint reads. Property values are lower-cased; an absent
// property is nullopt.
struct TCheckBoxState {
  unsigned NativeState = 0;  // BM_GETSTATE
  std::optional<std::string> State;
  std::optional<std::string> Checked;
  bool HasDataField = false;
  int RememberedCheck = 0;  // last BM_SETCHECK wParam + 1; 0 when none was seen
  bool HasDataBinding = false;
  bool Disabled = false;
};

// The strip frame (1-based). Four-frame layout (any count but 12): unchecked 1,
// checked 2, their disabled faces 3 and 4, indeterminate 4 enabled or not.
// Twelve frames: 1, 5, 4, 8, indeterminate 9 and disabled 12.
int CheckBoxFrame(const TCheckBoxState& state, int frame_count);
// Four-frame layout (any count but 8): 1, 2, disabled 3, 4. Eight frames: 1, 5, 4, 8.
int RadioButtonFrame(bool native_checked, const std::optional<std::string>& checked_property, bool disabled,
                     int frame_count);

struct TCheckLayout {
  TRect Box;           // the frame's place, vertically centred
  TRect Text;          // where the caption is measured
  unsigned Flags = 0;  // DT_RIGHT and DT_RTLREADING as they apply
};
// The box at the left edge with the text from 2 pixels right of it; with
// BS_RIGHTBUTTON at the right edge (a radio button one pixel in) with the text
// ending 2 pixels left of it.
TCheckLayout LayOutCheckBox(const TRect& rect, int frame_width, int frame_height, bool right_button,
                            bool radio, bool right_to_left);
// The text rectangle moved down by (its height - measured height) div 2.
TRect CentreCaptionVertically(const TRect& text, int measured_height);
// A focus frame shows on a focused control with a caption, except on an
// operating system of major version 6.
bool CheckBoxShowsFocus(bool focused, bool caption_empty, int os_major_version);
