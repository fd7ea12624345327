#pragma once
// A list's column header known by handle: every item is drawn from the
// skin's header bar (the item under the mouse in its hot face) with its
// image and label, and the part right of the last item in the normal face.
// The header keeps its own mouse handling, so clicks, dragging and sizing
// reach the list exactly as they would unskinned.

#include "skin/controls/win/skin_control.h"

#include <commctrl.h>

#include <vector>

#include "skin/data/image/image_rect.h"

class TSkinHeader : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) override;

  // The item drawn hot; -1 for none.
  int HotItem() const { return hot_item_; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool HasImage() const;
  // Image and text of one item, on the face already drawn at `item`.
  void DrawLabel(HDC dc, const RECT& item, const HDITEMW& header_item, HIMAGELIST images) const;

  // Where each item is hot-tracked, as laid out at the last paint.
  std::vector<TRect> hot_rects_;
  int hot_item_ = -1;
};
