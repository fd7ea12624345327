#pragma once
// TComboxScrollBar: the vertical bar of a combo box's drop-down list,
// painted from the skin straight into the list's non-client area (the list
// is a pop-up: no sibling could lie over it). The bar has no hot or pressed
// look; a press on the thumb is dragged here, the list scrolled by the same
// scroll messages the native bar sends, because the native drag would paint
// its own thumb over the skin.

#include "skin/controls/win/skin_control.h"

class TComboxScrollBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // True when the press was on the thumb and the drag has run.
  bool DragThumb();
  // Follows the cursor until the button is released.
  void DragLoop(const SCROLLBARINFO& bar, const SCROLLINFO& scroll);

  int arrow_size_ = GetSystemMetrics(SM_CXHSCROLL);
};
