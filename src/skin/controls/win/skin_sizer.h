#pragma once
// TSkinSizer: a size grip shown as a plain square of the skin's background
// colour, so that no native grip stands out against the skinned bars.

#include "skin/controls/win/skin_control.h"

class TSkinSizer : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  void DrawSkin(HDC dc, const RECT& rect) override;
};
