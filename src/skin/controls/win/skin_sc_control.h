#pragma once
// A stand-alone scroll bar control: one overlay lies over the whole control
// and paints it from the skin; a press on the overlay becomes the control's
// own press, so the control keeps its native tracking and auto-repeat.

#include <memory>

#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/w_scrollbar.h"

class TSkinScControl : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinScControl() override;

  // The control's colour is never changed: the overlay covers it.
  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void Detach() override;

  TWScrollbar* Overlay() const { return overlay_.get(); }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  std::unique_ptr<TWScrollbar> overlay_;
};
