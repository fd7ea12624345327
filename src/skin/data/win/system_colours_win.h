#pragma once
// System colours as the running system has them.

#include "skin/data/colour.h"

class TGdiSystemColours final : public TSystemColours {
 public:
  TColor Colour(int index) const override;
};
