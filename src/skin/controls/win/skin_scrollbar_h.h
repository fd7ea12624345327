#pragma once
// TSkinScrollbarH: overlays on the bars of a scrollable window known only by
// its handle (the list of a simple combo box). No border: the window keeps
// its own edge.

#include <memory>

#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/w_scrollbar.h"

class TSkinScrollbarH : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbarH() override;

  void AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) override;
  // Gives the window procedure back; the overlays go.
  void Detach() override;

  TWScrollbar* HorizontalBar() const { return horizontal_.get(); }
  TWScrollbar* VerticalBar() const { return vertical_.get(); }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  std::unique_ptr<TWScrollbar> horizontal_;
  std::unique_ptr<TWScrollbar> vertical_;
};
