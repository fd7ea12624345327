#pragma once
// List box: a superclass of the system LISTBOX class. The control keeps the
// Items (sorted when the box is) and fills the window's list from them after
// every change, so that they outlive a recreated window.

#include <memory>

#include "framework/watched_strings.h"
#include "framework/win/win_control.h"

class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TStrings* Items() const { return items_.get(); }
  // The selected item, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool sorted) { items_->SetSorted(sorted); }
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;
  // After the items changed.
  virtual void ItemsChanged();

 private:
  void FillWindow();

  std::unique_ptr<TWatchedStrings> items_;
  int item_index_ = -1;  // kept while there is no window
  int item_height_ = 13;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
