#pragma once
// Container windows known only by handle: their background is erased in the
// skin's face colour, and static children they colour are told to use it too.

#include "skin/controls/win/skin_control.h"

class TSkinBoxH : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
};
