#pragma once
// Where a button with a glyph puts the glyph and the caption: side by side
// along the layout's axis, centred across it. Margin is the gap from the
// edge to the glyph, Spacing the gap between glyph and caption; -1 for
// either lets the free space decide (both -1: three equal gaps).

#include "framework/layout.h"
#include "framework/type_info.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const TEnumInfo kButtonLayoutInfo;

struct TGlyphButtonPlacement {
  layout::Rect Glyph;
  layout::Rect Text;
};

TGlyphButtonPlacement PlaceGlyphAndText(layout::Size client, layout::Size glyph, layout::Size text,
                                        TButtonLayout layout, int margin, int spacing);
