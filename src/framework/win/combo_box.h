#pragma once
// Drop-down combo box: a superclass of the system COMBOBOX class.

#include <memory>

#include "framework/string_list.h"
#include "framework/win/strings_property.h"
#include "framework/win/win_control.h"

class TCustomComboBox;

// The items of a combo box. The control keeps them (sorted when the box is)
// and the window's list mirrors them item for item, so they outlive a
// recreated window.
class TComboBoxStrings final : public TStrings {
 public:
  explicit TComboBoxStrings(TCustomComboBox& box) : box_(box) {}

  int Count() const override { return items_.Count(); }
  AnsiString Get(int index) const override { return items_.Get(index); }
  void Insert(int index, std::string_view s) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(std::string_view s) override;

  void SetSorted(bool sorted) { items_.SetSorted(sorted); }
  // Puts every item into the box's new window.
  void FillWindow() const;

 private:
  void InsertInWindow(int index, std::string_view s) const;

  TCustomComboBox& box_;
  TStringList items_;
};

class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  int ItemIndex() const;
  void SetText(std::string_view text) override;
  TComboBoxStrings* Items() { return &items_; }
  // The items as a published sub-object ("Items.Strings").
  TStringsProperty* ItemsProperty() const { return items_property_.get(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void CnCommand(TMessage& message);

  bool sorted_ = false;
  TComboBoxStrings items_{*this};
  std::unique_ptr<TStringsProperty> items_property_ = std::make_unique<TStringsProperty>(items_);
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
