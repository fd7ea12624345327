#pragma once
// Push button: a superclass of the system BUTTON class.

#include "framework/win/win_control.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool word_wrap);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void CnCommand(TMessage& message);
  void CmDialogChar(TMessage& message);
  void CmDialogKey(TMessage& message);
  // Enter presses the focused button; with the focus elsewhere, the default.
  bool Active() const;

  bool word_wrap_ = false;  // caption wraps onto several lines
  bool default_ = false;    // Enter presses it
  bool cancel_ = false;     // Escape presses it
};
