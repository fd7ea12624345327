#include "framework/button_layout.h"

namespace {
constexpr const char* kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
}  // namespace

const TEnumInfo kButtonLayoutInfo{"TButtonLayout", kButtonLayoutNames};

TGlyphButtonPlacement PlaceGlyphAndText(layout::Size client, layout::Size glyph, layout::Size text,
                                        TButtonLayout layout, int margin, int spacing) {
  const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  const int size = horizontal ? client.cx : client.cy;
  const int glyph_length = horizontal ? glyph.cx : glyph.cy;
  const int text_length = horizontal ? text.cx : text.cy;
  // Nothing to keep apart.
  if (glyph_length == 0 || text_length == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (size - (glyph_length + text_length)) / 3;
      spacing = margin;
    } else {
      margin = (size - (glyph_length + spacing + text_length)) / 2;
    }
  } else if (spacing == -1) {
    spacing = (size - (margin + glyph_length) - text_length) / 2;
  }

  // Along the axis, measured from the glyph's edge; across it, centred.
  const int glyph_at = margin;
  const int text_at = margin + glyph_length + spacing;
  const int glyph_across = ((horizontal ? client.cy : client.cx) - (horizontal ? glyph.cy : glyph.cx)) / 2;
  const int text_across = ((horizontal ? client.cy : client.cx) - (horizontal ? text.cy : text.cx)) / 2;
  TGlyphButtonPlacement p;
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      p.Glyph = layout::Bounds(glyph_at, glyph_across, glyph.cx, glyph.cy);
      p.Text = layout::Bounds(text_at, text_across, text.cx, text.cy);
      break;
    case TButtonLayout::blGlyphRight:
      p.Glyph = layout::Bounds(client.cx - glyph_at - glyph.cx, glyph_across, glyph.cx, glyph.cy);
      p.Text = layout::Bounds(client.cx - text_at - text.cx, text_across, text.cx, text.cy);
      break;
    case TButtonLayout::blGlyphTop:
      p.Glyph = layout::Bounds(glyph_across, glyph_at, glyph.cx, glyph.cy);
      p.Text = layout::Bounds(text_across, text_at, text.cx, text.cy);
      break;
    case TButtonLayout::blGlyphBottom:
      p.Glyph = layout::Bounds(glyph_across, client.cy - glyph_at - glyph.cy, glyph.cx, glyph.cy);
      p.Text = layout::Bounds(text_across, client.cy - text_at - text.cy, text.cx, text.cy);
      break;
  }
  return p;
}
