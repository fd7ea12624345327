#pragma once
// Check list box: a list box that draws a check box before each item; a
// click on the box (or the space key) turns the item's check over and runs
// OnClickCheck. The checks belong to the items' places: a change of the
// items keeps the checks of the places that remain.

#include <vector>

#include "framework/win/list_box.h"

class TCheckListBox : public TCustomListBox {
 public:
  explicit TCheckListBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Checked(int index) const;
  void SetChecked(int index, bool checked);

  const TNotifyEvent& OnClickCheck() const { return on_click_check_; }
  void SetOnClickCheck(TNotifyEvent handler) { on_click_check_ = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void ItemsChanged() override;

 private:
  void CnDrawItem(TMessage& message);
  void Toggle(int index);
  // The side of the check box square.
  int CheckSize() const { return ItemHeight() - 2; }

  std::vector<bool> checked_;
  TNotifyEvent on_click_check_;
};
