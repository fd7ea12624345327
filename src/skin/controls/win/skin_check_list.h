#pragma once
// A check list box: skinned scrolling and border as any list, and each item
// drawn with its box from the skin's check strip. The list keeps its own
// checks and its own clicks; the skin only paints what the list holds.

#include "skin/controls/win/skin_scrollbar.h"

class TSkinCheckList : public TSkinScrollbar {
 public:
  using TSkinScrollbar::TSkinScrollbar;

 protected:
  bool BeforeMessage(TMessage& message) override;

 private:
  // One owner-drawn item; false leaves it to the list (no check strip).
  bool DrawItem(const DRAWITEMSTRUCT& item);
};
