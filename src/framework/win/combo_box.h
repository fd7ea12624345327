#pragma once
// Drop-down combo box: a superclass of the system COMBOBOX class.

#include "framework/win/win_control.h"

class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  int ItemIndex() const;
  void SetText(std::string_view text) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void CnCommand(TMessage& message);

  bool sorted_ = false;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
