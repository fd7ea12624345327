#pragma once
// A page control's sheet shows the skin's face colour instead of the
// system's; its labels and other windowless children are painted over it.
// When the control was recoloured instead (the base's mode word set) the
// sheet paints natively in that colour.

#include "skin/controls/win/skin_control.h"

class TSkinTabSheet : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
};
