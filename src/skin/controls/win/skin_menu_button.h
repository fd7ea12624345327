#pragma once
// A menu button: the push button's face with the whole glyph on the left,
// the caption, and a drop-down arrow after it, all on one line. The press
// and the click are the push button's.

#include "skin/controls/win/skin_button.h"

class TSkinMenuButton : public TSkinButton {
 public:
  using TSkinButton::TSkinButton;

 protected:
  void DrawSkin(HDC dc, const RECT& rect) override;
};
