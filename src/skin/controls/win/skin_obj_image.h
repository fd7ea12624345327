#pragma once
// Check boxes and radio buttons of other component sets that draw themselves
// from custom glyphs: the skin hands them a six-frame strip cut from its own
// check or radio images (order in glyph_strip_geometry.h) and lets them paint.
// Mode 1 (check box) and 2 (radio button) fill CustomGlyphs and turn
// UseCustomGlyphs on; mode 3 fills Properties.Glyph. Detach turns the glyphs
// off again.

#include "skin/controls/win/skin_control.h"

#include "skin/data/image/image.h"

class TBitmap;

class TSkinObjImage : public TSkinControl {
 public:
  TSkinObjImage(TComponent* owner, int variant);

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void Detach() override;
  void SkinChanged() override;

  // The strip the skin's images give; empty when the skin has none.
  TSkinBitmap BuildStrip() const;

 private:
  TBitmap* GlyphTarget() const;
  void HandOver();

  int mode_;
};
