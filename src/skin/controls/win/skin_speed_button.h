#pragma once
// A speed button: windowless, so the skin hooks its WindowProc and paints
// when its parent paints it, on the DC it is given. The face follows Down and
// Flat besides the mouse (a flat one shows its face only under the mouse or
// pressed); the button keeps its own press, click and group handling.

#include <string_view>

#include "framework/win/gdi.h"
#include "skin/controls/win/skin_bit_button.h"

class TSkinSpeedButton : public TSkinBitButton {
 public:
  explicit TSkinSpeedButton(TComponent* owner, std::string_view glyph_property = {});

  // The owner must be the speed button (a windowless control).
  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void Detach() override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  // Paints at once on the parent's window, where the button is.
  void PaintWindow(HDC dc) override;
  HFONT CaptionFont() const override;

 private:
  // The whole button into `dc`, its origin at the button's top-left corner.
  void Compose(HDC dc);
  void Repaint();

  bool painting_ = false;    // the parent's background, painted for a paint, paints the button again
  mutable UniqueFont font_;  // the button's Font, made afresh for each paint
};
