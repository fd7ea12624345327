#pragma once
// Tab and page controls: the tabs are drawn from the skin's Tabs element (the
// focused tab in frame 2) and the pane around the display area from the Tabs
// element's second image or the TabPane element. The control keeps its own
// tabs, selection and mouse handling; only painting is the skin's. Tabs at
// the bottom or the sides use images turned once, when the skin is taken.

#include "skin/controls/win/skin_control.h"

#include <memory>

#include "skin/controls/tab_geometry.h"
#include "skin/data/image/image.h"

class TSkinUpDown;

class TSkinTab : public TSkinControl {
 public:
  // `variant` 2 (page controls): the control's graphic children are repainted
  // after the tabs and pane.
  TSkinTab(TComponent* owner, int variant);
  ~TSkinTab() override;

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) override;
  void Detach() override;
  void SkinChanged() override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool HasImage() const;
  void PrepareImages();
  // The tab scroller appears only once the tabs overflow, so it is looked
  // for again at every paint until found.
  void FindUpDown();
  // Tab faces and labels in the strip lying horizontally.
  void DrawTabs(TSkinBitmap& lying, const TTabStrip& strip, TTabPosition position) const;

  // Kept apart from the base's mode word, which it may set itself.
  bool page_control_ = false;
  // The Tabs image and the pane image, turned for the tab position.
  TSkinBitmap tab_image_;
  TSkinBitmap pane_image_;
  std::unique_ptr<TSkinUpDown> up_down_;
};
