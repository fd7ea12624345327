#pragma once
// Old-style tab sets (a row of tabs hanging from the top edge, no pane): the
// row is drawn from the skin's Tabs image turned upside down, the selected
// tab in frame 2. The tab set is read by its published Tabs, TabIndex,
// FirstIndex, StartMargin and EndMargin; it keeps its own mouse handling.

#include "skin/controls/win/skin_control.h"

#include "skin/data/image/image.h"

class TSkinTab31 : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  void AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) override;
  void SkinChanged() override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  HFONT CaptionFont() const override;

 private:
  bool HasImage() const;
  void PrepareImage();
  // A visible child window is the tab set's scroller.
  bool ScrollerShown() const;

  TSkinBitmap tab_image_;
};
