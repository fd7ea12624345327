#pragma once
// Tab controls whose tabs look like buttons: each tab is a push-button face
// from the skin's Buttons element (the focused one pressed) with its caption
// centred. No pane is drawn: such controls have none.

#include "skin/controls/win/skin_control.h"

class TSkinTabBtn : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool HasImage() const;
};
