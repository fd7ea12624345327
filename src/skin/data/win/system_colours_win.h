#pragma once
// System colours as the running system has them.

#include "skin/data/image/colour.h"

class TGdiSystemColours final : public TSystemColours {
 public:
  TColor Colour(int index) const override;
};
