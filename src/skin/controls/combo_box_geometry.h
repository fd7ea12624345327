#pragma once
// Combo boxes, edits and up-down buttons: the face frame by state, the
// combo button's rectangle (left-hand in the right-to-left layout), which
// border an edit gets, and the two halves of an up-down. Rectangles are Right
// and Bottom exclusive; every "div" truncates toward zero.

#include <array>
#include <cstdint>
#include <string_view>

#include "skin/data/image/image_rect.h"

// Pressed, hot or focused, normal; disabled overrides.
int ComboButtonFrame(std::uint8_t mouse_state, bool focused, bool enabled);
// The simple look: pressed, hot or focused, normal when enabled, else disabled.
int SimpleComboButtonFrame(std::uint8_t mouse_state, bool focused, bool enabled);

struct TComboLayout {
  TRect TextArea;  // kept from overdrawing while the sunken frame is drawn
  TRect Button;    // the ComboButton frame's place and the hot-tracking rectangle
};
// `arrow` is SM_CXHSCROLL. The button is arrow + 2 wide at the right edge, at
// the left one with WS_EX_LEFTSCROLLBAR; the text area is 2 pixels in from
// the frame and 2 more from the button.
TComboLayout LayOutCombo(const TRect& rect, int arrow, bool left_scroll_bar);
// The ExtraImages glyph frame centred in the button less 2 pixels at its outer edge.
TRect ComboGlyphRect(const TRect& button, int glyph_width, int glyph_height, bool left_scroll_bar);

struct TSimpleComboLayout {
  TRect Inner;   // the rectangle inset by 2
  TRect Column;  // the arrow column, filled with the brush
  TRect Button;  // one frame wide, no higher than the image
};
// `column_width` is SM_CYVTHUMB.
TSimpleComboLayout LayOutSimpleCombo(const TRect& rect, int column_width, int frame_width, int frame_height,
                                     bool left_scroll_bar);

// An edit whose client area is as wide or as high as its window has no border to skin.
bool EditHasBorder(int client_width, int client_height, const TRect& window);
// The printed border needs 2 pixels to spare both ways.
bool EditPrintsBorder(int client_width, int client_height, const TRect& window);
// A child window that is the edit's spin button: "msctls_updown32", or a
// class name containing "spin" or "updown" (lower-cased).
bool IsSpinClass(std::string_view lowered_class_name);

struct TUpDownHalf {
  TRect Rect;
  int Frame = 1;  // of the UpDownVert / UpDownHorz element, 1..8
};
// Vertical: top (up) and bottom (down) split at height div 2; horizontal:
// left and right split at width div 2. The half under the cursor shows
// pressed (2) or hot (4), the other normal (1); disabled halves 3; the
// second half's frames are the first's + 4.
std::array<TUpDownHalf, 2> LayOutUpDown(const TRect& rect, bool horizontal, int cursor_x, int cursor_y,
                                        std::uint8_t mouse_state, bool enabled);
// An up-down inside an edit keeps 3 pixels inside the edit's window: each of
// its top, bottom and right sides nearer than 3 to the edit's moves in by the
// difference. Windows in one coordinate space; `rect` is what is painted.
TRect UpDownInBuddy(const TRect& rect, const TRect& up_down_window, const TRect& edit_window);
