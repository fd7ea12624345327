#pragma once
// A bitmap button: the push button's face with a glyph (one frame of the
// Glyph strip, or an image of its image list) and the caption laid out by the
// control's Layout, Margin and Spacing. The press and the click are the push
// button's.

#include <string>
#include <string_view>

#include "skin/controls/win/skin_button.h"

class TBitmap;
class TImageList;

class TSkinBitButton : public TSkinButton {
 public:
  // `glyph_property` names the graphic property holding the glyph for
  // component sets that do not call it Glyph; empty reads Glyph.
  explicit TSkinBitButton(TComponent* owner, std::string_view glyph_property = {});

 protected:
  void DrawSkin(HDC dc, const RECT& rect) override;

  // What the control shows beside its caption.
  struct TGlyph {
    const TBitmap* Bitmap = nullptr;  // null or empty: the image list, if any
    int NumGlyphs = 1;
    const TImageList* Images = nullptr;
    int ImageIndex = -1;
    int DisabledIndex = -1;
    int Width = 0, Height = 0;  // one frame; 0 x 0 without a glyph
  };
  TGlyph ReadGlyph() const;
  // Glyph and caption over a face already in `dc`. `speed` selects the
  // speed button's reading of Margin and of the caption colour; `glyph_index`
  // is the strip frame (1 up, 2 disabled, 3 pressed, 4 down).
  void DrawGlyphAndCaption(HDC dc, const TRect& client, const TGlyph& glyph, TButtonFrame frame,
                           int glyph_index, bool speed);

 private:
  std::string glyph_property_;
};
