#include "skin/controls/button_geometry.h"

#include <algorithm>
#include <cctype>

#include "skin/data/image/colour.h"
#include "skin/windows/win32_values.h"

namespace {

constexpr TColor kBtnShadow = SystemColour(16);

std::string Lowered(std::string_view text) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool Horizontal(TButtonLayout layout) {
  return layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
}

// Steps shared by bitmap and speed buttons; `speed` selects the speed
// button's centring rule.
TBitButtonPlacement Place(const TBitButtonMetrics& m, bool speed) {
  TBitButtonPlacement p;
  const bool horizontal = Horizontal(m.Layout);
  const int glyph_along = horizontal ? m.GlyphWidth : m.GlyphHeight;
  const int text_along = horizontal ? m.TextWidth : m.TextHeight;
  const int size = horizontal ? m.ClientWidth : m.ClientHeight;
  if (horizontal) {
    p.GlyphY = (m.ClientHeight - m.GlyphHeight + 1) / 2;
    p.TextY = (m.ClientHeight - m.TextHeight + 1) / 2;
  } else {
    p.GlyphX = (m.ClientWidth - m.GlyphWidth + 1) / 2;
    p.TextX = (m.ClientWidth - m.TextWidth + 1) / 2;
  }
  int margin = m.Margin;
  int spacing = m.TextWidth == 0 || m.GlyphWidth == 0 ? 0 : m.Spacing;
  const bool centred = margin == -1 || (!speed && m.AlignCenter);
  if (centred) {
    if (spacing == -1) {
      margin = (size - (glyph_along + text_along)) / 3;
      spacing = margin;
    } else {
      margin = (size - (glyph_along + spacing + text_along)) / 2 + (speed ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = ((size - (margin + glyph_along)) - text_along) / 2;
  }
  p.Margin = margin;
  p.Spacing = spacing;
  switch (m.Layout) {
    case TButtonLayout::blGlyphLeft:
      p.GlyphX = margin;
      p.TextX = p.GlyphX + m.GlyphWidth + spacing;
      break;
    case TButtonLayout::blGlyphRight:
      p.GlyphX = m.ClientWidth - margin - m.GlyphWidth;
      p.TextX = p.GlyphX - spacing - m.TextWidth;
      p.TextFlags = kDtRight;
      break;
    case TButtonLayout::blGlyphTop:
      p.GlyphY = margin;
      p.TextY = p.GlyphY + m.GlyphHeight + spacing;
      p.TextFlags = kDtCenter;
      break;
    case TButtonLayout::blGlyphBottom:
      p.GlyphY = m.ClientHeight - margin - m.GlyphHeight;
      p.TextY = p.GlyphY - spacing - m.TextHeight;
      p.TextFlags = kDtCenter;
      break;
  }
  return p;
}

}  // namespace

TButtonFrame ButtonFrame(std::uint8_t mouse_state, bool focused, bool is_default, bool disabled) {
  if (disabled) return TButtonFrame::bfDisabled;
  if (mouse_state & kMouseDown) return TButtonFrame::bfPressed;
  if (mouse_state & kMouseHot) return TButtonFrame::bfHot;
  if (focused || is_default) return TButtonFrame::bfFocused;
  return TButtonFrame::bfNormal;
}

TButtonFrame SpeedButtonFrame(std::uint8_t mouse_state, bool enabled, bool down) {
  if (down) return TButtonFrame::bfPressed;
  if (!enabled) return TButtonFrame::bfDisabled;
  if (mouse_state & kMouseDown) return TButtonFrame::bfPressed;
  if (mouse_state & kMouseHot) return TButtonFrame::bfHot;
  return TButtonFrame::bfNormal;
}

bool SpeedButtonFaceDrawn(TButtonFrame frame, bool flat) {
  return frame == TButtonFrame::bfPressed || frame == TButtonFrame::bfHot || !flat;
}

TColor ButtonCaptionColour(TColor font_colour, const TDataSkinButton& buttons, TButtonFrame frame,
                           bool disabled, bool normal_only_in_frame1) {
  TColor colour = font_colour;
  if (buttons.HasNormalColour2 && (!normal_only_in_frame1 || frame == TButtonFrame::bfNormal))
    colour = buttons.NormalColour2;
  if (frame == TButtonFrame::bfHot && buttons.HasMouseOverColour2) colour = buttons.MouseOverColour2;
  if (frame == TButtonFrame::bfPressed && buttons.HasPressedColour2) colour = buttons.PressedColour2;
  if (disabled) colour = kBtnShadow;
  return colour;
}

std::wstring ButtonCaptionLines(std::wstring caption) {
  const auto at = caption.find(L"||");
  if (at != std::wstring::npos) caption.replace(at, 2, L"\r\n");
  return caption;
}

TRect PushButtonCaptionRect(const TRect& client, int text_width, int text_height) {
  return CentredBlock(Deflate(client, 2, 2), text_width, text_height);
}

bool ButtonSkipsForwardedMouseDown(std::string_view class_name) {
  const std::string name = Lowered(class_name);
  return name.starts_with("trz") || name.starts_with("tel");
}

std::uint32_t ButtonClickCommand(int control_id, std::string_view class_name) {
  if (class_name == "TButton") return 0;
  return MakeLong(control_id, static_cast<int>(kBnClicked));
}

TButtonLayout ButtonLayoutOf(std::string_view lowered) {
  if (lowered == "blglyphright") return TButtonLayout::blGlyphRight;
  if (lowered == "blglyphtop") return TButtonLayout::blGlyphTop;
  if (lowered == "blglyphbottom") return TButtonLayout::blGlyphBottom;
  return TButtonLayout::blGlyphLeft;
}

TRect BitButtonTextArea(const TRect& client, TButtonLayout layout, int glyph_width, int glyph_height) {
  TRect r = Deflate(client, 2, 2);
  if (Horizontal(layout))
    r.Right -= glyph_width + 2;
  else
    r.Bottom -= glyph_height + 2;
  return r;
}

TBitButtonPlacement PlaceBitButton(const TBitButtonMetrics& m) {
  return Place(m, false);
}

TBitButtonPlacement PlaceSpeedButton(const TBitButtonMetrics& m) {
  return Place(m, true);
}

int BitButtonGlyphIndex(TButtonFrame frame) {
  if (frame == TButtonFrame::bfPressed) return 3;
  if (frame == TButtonFrame::bfDisabled) return 2;
  return 1;
}

int SpeedButtonGlyphIndex(TButtonFrame frame, bool down) {
  return down ? 4 : BitButtonGlyphIndex(frame);
}

TGlyphSource GlyphFrame(int glyph_width, int glyph_height, int num_glyphs, int index) {
  const int count = std::max(num_glyphs, 1);
  const bool embossed = index == 2 && count == 1;
  const int frame = index > count || index < 1 ? 1 : index;
  return {StripFrameSource(glyph_width, glyph_height, count, frame), embossed};
}

TRect MenuButtonTextArea(int client_width, int client_height, int glyph_width) {
  return Deflate({0, 0, client_width - glyph_width - 8, client_height}, 2, 2);
}

TMenuButtonPlacement PlaceMenuButton(int client_width, int client_height, int glyph_width, int glyph_height,
                                     int text_width, int text_height, int margin, int spacing) {
  if (margin == -1) {
    if (spacing == -1) {
      margin = (client_width - (glyph_width + text_width + 8)) / 4;
      spacing = margin;
    } else {
      margin = (client_width - (glyph_width + text_width + 2 * spacing + 8)) / 2;
    }
  } else if (spacing == -1) {
    spacing = ((client_width + 8 - 2 * margin - glyph_width) - text_width) / 2;
  }
  TMenuButtonPlacement p;
  p.GlyphX = margin;
  p.GlyphY = (client_height - glyph_height) / 2;
  p.TextX = margin + glyph_width + spacing;
  p.TextY = (client_height - text_height + 1) / 2;
  p.ArrowX = p.TextX + 2 * spacing + text_width;
  p.ArrowY = (client_height - 3) / 2;
  p.Arrow[0] = {p.ArrowX, p.ArrowY + 2};
  p.Arrow[1] = {p.ArrowX - 3, p.ArrowY - 1};
  p.Arrow[2] = {p.ArrowX + 3, p.ArrowY - 1};
  return p;
}
