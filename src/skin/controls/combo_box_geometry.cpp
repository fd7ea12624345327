#include "skin/controls/combo_box_geometry.h"

#include <algorithm>

#include "skin/controls/control_geometry.h"

int ComboButtonFrame(std::uint8_t mouse_state, bool focused, bool enabled) {
  if (!enabled) return 3;
  if (mouse_state & kMouseDown) return 2;
  if (focused || (mouse_state & kMouseHot)) return 4;
  return 1;
}

int SimpleComboButtonFrame(std::uint8_t mouse_state, bool focused, bool enabled) {
  if (mouse_state & kMouseDown) return 2;
  if (focused || (mouse_state & kMouseHot)) return 4;
  return enabled ? 1 : 3;
}

TComboLayout LayOutCombo(const TRect& rect, int arrow, bool left_scroll_bar) {
  if (left_scroll_bar) {
    return {{rect.Left + arrow + 4, rect.Top + 2, rect.Right - 2, rect.Bottom - 2},
            {rect.Left, rect.Top, rect.Left + arrow + 2, rect.Bottom}};
  }
  return {{rect.Left + 2, rect.Top + 2, rect.Right - arrow - 4, rect.Bottom - 2},
          {rect.Right - arrow - 2, rect.Top, rect.Right, rect.Bottom}};
}

TRect ComboGlyphRect(const TRect& button, int glyph_width, int glyph_height, bool left_scroll_bar) {
  TRect area = button;
  if (left_scroll_bar)
    area.Left += 2;
  else
    area.Right -= 2;
  return CentredBlock(area, glyph_width, glyph_height);
}

TSimpleComboLayout LayOutSimpleCombo(const TRect& rect, int column_width, int frame_width, int frame_height,
                                     bool left_scroll_bar) {
  TSimpleComboLayout l;
  l.Inner = Deflate(rect, 2, 2);
  l.Column = l.Inner;
  l.Button = l.Inner;
  if (left_scroll_bar) {
    l.Column.Right = l.Column.Left + column_width;
    l.Button.Right = l.Button.Left + frame_width;
  } else {
    l.Column.Left = l.Column.Right - column_width;
    l.Button.Left = l.Button.Right - frame_width;
  }
  if (frame_height < l.Column.Height()) l.Button.Bottom = l.Button.Top + frame_height;
  return l;
}

bool EditHasBorder(int client_width, int client_height, const TRect& window) {
  return client_width != window.Width() && client_height != window.Height();
}

bool EditPrintsBorder(int client_width, int client_height, const TRect& window) {
  return client_width + 2 < window.Width() && client_height + 2 < window.Height();
}

bool IsSpinClass(std::string_view lowered_class_name) {
  return lowered_class_name == "msctls_updown32" ||
         lowered_class_name.find("spin") != std::string_view::npos ||
         lowered_class_name.find("updown") != std::string_view::npos;
}

std::array<TUpDownHalf, 2> LayOutUpDown(const TRect& rect, bool horizontal, int cursor_x, int cursor_y,
                                        std::uint8_t mouse_state, bool enabled) {
  std::array<TUpDownHalf, 2> halves;
  if (horizontal) {
    const int split = rect.Left + rect.Width() / 2;
    halves[0].Rect = {rect.Left, rect.Top, split, rect.Bottom};
    halves[1].Rect = {split, rect.Top, rect.Right, rect.Bottom};
  } else {
    const int split = rect.Top + rect.Height() / 2;
    halves[0].Rect = {rect.Left, rect.Top, rect.Right, split};
    halves[1].Rect = {rect.Left, split, rect.Right, rect.Bottom};
  }
  for (int i = 0; i < 2; ++i) {
    int state = 1;
    if (Contains(halves[i].Rect, cursor_x, cursor_y)) {
      if (mouse_state & kMouseDown)
        state = 2;
      else if (mouse_state & kMouseHot)
        state = 4;
    }
    if (!enabled) state = 3;
    halves[i].Frame = state + 4 * i;
  }
  return halves;
}

TRect UpDownInBuddy(const TRect& rect, const TRect& up_down_window, const TRect& edit_window) {
  TRect r = rect;
  const int top = up_down_window.Top - edit_window.Top;
  const int bottom = edit_window.Bottom - up_down_window.Bottom;
  const int right = edit_window.Right - up_down_window.Right;
  if (top < 3) r.Top += 3 - top;
  if (bottom < 3) r.Bottom -= 3 - bottom;
  if (right < 3) r.Right -= 3 - right;
  return r;
}
