#pragma once
// Radio group: a group box holding one radio button for each of its Items,
// laid out in Columns (filled column by column); ItemIndex is the checked
// one, -1 for none.

#include <vector>

#include "framework/watched_strings.h"
#include "framework/win/group_box.h"

class TRadioButton;

class TCustomRadioGroup : public TCustomGroupBox {
 public:
  explicit TCustomRadioGroup(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TStrings* Items() const { return items_.get(); }
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  // The button of item `index`.
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Loaded() override;
  void FontChanged() override;

 private:
  void RebuildButtons();
  void ArrangeButtons();
  void ButtonClicked(int index);

  std::unique_ptr<TWatchedStrings> items_;
  std::vector<TRadioButton*> buttons_;  // children, freed with the group
  int item_index_ = -1;
  int columns_ = 1;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  using TCustomRadioGroup::TCustomRadioGroup;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
