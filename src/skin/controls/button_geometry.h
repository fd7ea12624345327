#pragma once
// Push, bitmap, speed and menu buttons: the face frame of the Buttons element
// by state, the caption colour, and where glyph, caption and drop-down arrow
// go. Coordinates are in the button's client area; every "div" truncates
// toward zero.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/button_layout.h"
#include "framework/colors.h"
#include "skin/controls/control_geometry.h"
#include "skin/data/model/skin_elements.h"

// Faces of the Buttons element.
enum class TButtonFrame { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfFocused = 5 };

// Pressed, hot, focused or default, normal, first match; disabled overrides all.
TButtonFrame ButtonFrame(std::uint8_t mouse_state, bool focused, bool is_default, bool disabled);
// Speed buttons: pressed, hot, else normal; disabled; a Down button shows
// pressed whatever else holds.
TButtonFrame SpeedButtonFrame(std::uint8_t mouse_state, bool enabled, bool down);
// A flat speed button shows only its background when normal or disabled.
bool SpeedButtonFaceDrawn(TButtonFrame frame, bool flat);

// The caption colour starting from the font's: NormalColour2 when the skin
// gives it (with `normal_only_in_frame1`, only for the normal face), then
// MouseOverColour2 on the hot face, PressedColour2 on the pressed face, each
// when given; clBtnShadow when disabled.
TColor ButtonCaptionColour(TColor font_colour, const TDataSkinButton& buttons, TButtonFrame frame,
                           bool disabled, bool normal_only_in_frame1);

// The first "||" becomes CR LF: a two-line caption in a one-line property.
std::wstring ButtonCaptionLines(std::wstring caption);

// A push button's caption block: centred in the client area deflated by 2.
TRect PushButtonCaptionRect(const TRect& client, int text_width, int text_height);

// Controls whose class name (any case) begins with "trz" or "tel" handle
// their own presses: no MouseDown is forwarded to them.
bool ButtonSkipsForwardedMouseDown(std::string_view class_name);
// WM_COMMAND's wParam for a click on a button without framework control:
// BN_CLICKED and the control identifier, except 0 for the class "TButton".
std::uint32_t ButtonClickCommand(int control_id, std::string_view class_name);

// The lower-cased Layout value; anything unknown lays the glyph out left.
TButtonLayout ButtonLayoutOf(std::string_view lowered);

// Where the caption is measured: the client deflated by 2, less glyph width + 2
// on the right (glyph left or right) or glyph height + 2 at the bottom.
TRect BitButtonTextArea(const TRect& client, TButtonLayout layout, int glyph_width, int glyph_height);

struct TBitButtonMetrics {
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int ClientWidth = 0, ClientHeight = 0;
  int GlyphWidth = 0, GlyphHeight = 0;
  int TextWidth = 0, TextHeight = 0;  // 0 x 0 for an empty caption
  int Margin = -1, Spacing = -1;      // -1: not given
  bool AlignCenter = false;           // Alignment "tacenter" (bitmap buttons only)
};
struct TBitButtonPlacement {
  int GlyphX = 0, GlyphY = 0, TextX = 0, TextY = 0;
  int Margin = 0, Spacing = 0;
  unsigned TextFlags = 0;  // DT_RIGHT or DT_CENTER by layout, before DT_WORDBREAK
};
// A bitmap button: the cross axis centred ((size - extent + 1) div 2); along
// the axis Margin and Spacing computed when absent ((size - glyph - text) / 3
// both, or the rest halved), Spacing 0 when text or glyph is empty.
TBitButtonPlacement PlaceBitButton(const TBitButtonMetrics& m);
// A speed button: only Margin -1 centres (Alignment is not read), and a given
// Spacing then leaves one pixel more margin.
TBitButtonPlacement PlaceSpeedButton(const TBitButtonMetrics& m);

// Glyph frames: 1 up, 2 disabled, 3 pressed, 4 down (speed buttons).
int BitButtonGlyphIndex(TButtonFrame frame);
int SpeedButtonGlyphIndex(TButtonFrame frame, bool down);
struct TGlyphSource {
  TRect Source;   // in the glyph bitmap
  bool Embossed;  // a one-frame glyph shown disabled is drawn embossed
};
// Frame width is glyph width div count; an index beyond the count shows the first frame.
TGlyphSource GlyphFrame(int glyph_width, int glyph_height, int num_glyphs, int index);

struct TMenuButtonPlacement {
  int GlyphX = 0, GlyphY = 0, TextX = 0, TextY = 0;
  int ArrowX = 0, ArrowY = 0;  // centre of the 8 x 3 drop-down arrow
  TSmallPoint Arrow[3];        // the filled triangle
};
// Where a menu button's caption is measured: (0, 0, client width - glyph width - 8,
// client height) deflated by 2.
TRect MenuButtonTextArea(int client_width, int client_height, int glyph_width);
// Glyph, caption and arrow on one line, Margin and Spacing derived as for a
// bitmap button with room for the 8-pixel arrow (shared out in quarters).
TMenuButtonPlacement PlaceMenuButton(int client_width, int client_height, int glyph_width, int glyph_height,
                                     int text_width, int text_height, int margin, int spacing);
