#pragma once
// Group box: a framed, captioned container, a superclass of the system BUTTON
// class in its group-box style. Children sit inside the frame, below the
// caption.

#include "framework/win/win_control.h"

class TCustomGroupBox : public TWinControl {
 public:
  explicit TCustomGroupBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(layout::Rect& rect) const override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  using TCustomGroupBox::TCustomGroupBox;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
