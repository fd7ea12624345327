#pragma once
// A group box (a radio group too) keeps its children and its behaviour; the
// skin draws its face colour, a rounded frame in the skin's shadow colour and
// the caption on the face colour, interrupting the frame's top line. It needs
// no skin element. A framework group box is painted whole, off-screen; a bare
// one keeps its native paint, over which the skin erases the native frame and
// draws its own.

#include "skin/controls/win/offscreen_bitmap.h"
#include "skin/controls/win/skin_control.h"

class TSkinGroupBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void DrawFace(HDC dc, const RECT& rect);

  // Variant is 1 when attached to a framework control: its WM_PAINT is the
  // skin's alone, composed here.
  TOffscreenBitmap canvas_;
};
