#pragma once
// Single-line edit box, a superclass of the system EDIT class, and the base
// of the memo. The window holds the text; the control's Text follows every
// change the user makes.

#include "framework/win/win_control.h"

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool hide_selection);
  bool OEMConvert() const { return oem_convert_; }
  void SetOEMConvert(bool oem_convert);
  const TNotifyEvent& OnChange() const { return on_change_; }
  void SetOnChange(TNotifyEvent handler) { on_change_ = std::move(handler); }

  void Clear() { SetText(""); }
  // The edit control's own paste: the clipboard's text replaces the selection.
  void PasteFromClipboard();
  void SelectAll();

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;
  // The window's text changed by the user.
  virtual void Changed();

 private:
  void CnCommand(TMessage& message);

  bool read_only_ = false;
  bool hide_selection_ = true;  // the selection disappears without the focus
  bool oem_convert_ = false;
  TNotifyEvent on_change_;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
