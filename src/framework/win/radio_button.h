#pragma once
// Radio button: a superclass of the system BUTTON class. Checking one clears
// the other radio buttons of the same parent, whether the user clicked it or
// code set it.

#include "framework/win/win_control.h"

class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void CnCommand(TMessage& message);
  void UncheckSiblings();

  bool checked_ = false;
};
