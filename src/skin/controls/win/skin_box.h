#pragma once
// Panels and other containers that paint themselves: the skin only gives
// them its face colour (and takes their parent background away) while
// attached. Their messages never pass through the skin, so the panel keeps
// drawing its own bevels and caption, now on the skin's colour.

#include "skin/controls/win/skin_control.h"

class TSkinBox : public TSkinControl {
 public:
  explicit TSkinBox(TComponent* owner);

  // Gives the control its own colour and parent background back.
  void Detach() override;
};
