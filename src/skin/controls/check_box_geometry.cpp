#include "skin/controls/check_box_geometry.h"

#include "skin/windows/win32_values.h"

namespace {

// The wide strips (12 check frames, 8 radio frames) keep the checked,
// disabled and disabled-checked states at other places than the 4-frame strip.
int WideStripFrame(int state) {
  switch (state) {
    case 2:
      return 5;
    case 3:
      return 4;
    case 4:
      return 8;
    default:
      return state;
  }
}

}  // namespace

int CheckBoxFrame(const TCheckBoxState& s, int frame_count) {
  int state = s.NativeState & kBstChecked ? 2 : 1;
  if (s.State) {
    if (s.State->find("uncheck") != std::string::npos)
      state = 1;
    else if (s.State->find("check") != std::string::npos)
      state = 2;
    else if (s.State->find("gray") != std::string::npos)
      state = 4;
  } else if (s.Checked) {
    state = *s.Checked == "true" ? 2 : 1;
  }
  if (s.HasDataField && s.RememberedCheck > 0) state = s.RememberedCheck == 3 ? 4 : s.RememberedCheck;
  if (s.HasDataBinding) state = 1;
  // A grayed state already is its own disabled face; adding 2 would point
  // past the strip.
  if (s.Disabled && state < 3) state += 2;
  const bool indeterminate = (s.NativeState & kBstIndeterminate) != 0;
  if (indeterminate) state = 4;
  if (frame_count != 12) return state;
  if (indeterminate) return s.Disabled ? 12 : 9;
  return WideStripFrame(state);
}

int RadioButtonFrame(bool native_checked, const std::optional<std::string>& checked_property, bool disabled,
                     int frame_count) {
  int state = native_checked ? 2 : 1;
  if (checked_property) state = *checked_property == "true" ? 2 : 1;
  if (disabled) state += 2;
  if (frame_count != 8) return state;
  return WideStripFrame(state);
}

TCheckLayout LayOutCheckBox(const TRect& rect, int frame_width, int frame_height, bool right_button,
                            bool radio, bool right_to_left) {
  TCheckLayout l;
  const int top = rect.Top + (rect.Height() - frame_height) / 2;
  const unsigned rtl = right_to_left ? kDtRtlReading : 0;
  if (right_button) {
    const int right = radio ? rect.Right - 1 : rect.Right;
    l.Box = {right - frame_width, top, right, top + frame_height};
    l.Text = {rect.Left, rect.Top, l.Box.Left - 2, rect.Bottom};
    l.Flags = kDtRight | rtl;
  } else {
    l.Box = {rect.Left, top, rect.Left + frame_width, top + frame_height};
    l.Text = {l.Box.Right + 2, rect.Top, rect.Right, rect.Bottom};
    l.Flags = rtl;
  }
  return l;
}

TRect CentreCaptionVertically(const TRect& text, int measured_height) {
  const int dy = (text.Height() - measured_height) / 2;
  return {text.Left, text.Top + dy, text.Right, text.Bottom + dy};
}

bool CheckBoxShowsFocus(bool focused, bool caption_empty, int os_major_version) {
  return focused && !caption_empty && os_major_version != 6;
}
