#pragma once
// The window that shows a control's hint: a borderless pop-up of its own
// class, filled with the application's hint colour.

#include "framework/win/win_control.h"

class THintWindow : public TWinControl {
 public:
  explicit THintWindow(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Shows `text` with its top-left corner at the screen point, sized to fit.
  void ActivateHint(POINT screen_point, const AnsiString& text);
  void ReleaseHandle();
  bool Showing() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& message) override;
};
