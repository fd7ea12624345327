#pragma once
// An up-down (spin) control keeps its native range, auto-repeat and buddy
// updates; the skin paints both halves from UpDownVert or UpDownHorz (8
// frames: 1-4 the first half, 5-8 the second), the glyph strip over each,
// and falls back to flat boxes with small arrows when the skin has neither.
// Inside an edit (its buddy) the halves keep off the edit's border.

#include "skin/controls/win/skin_control.h"

class TSkinUpDown : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  // Found inside an edit by the edit's skin.
  void SetBuddy(bool buddy) { buddy_ = buddy; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool buddy_ = false;
};
