#include "framework/win/radio_group.h"

#include <algorithm>

#include "framework/published.h"
#include "framework/win/radio_button.h"

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), items_(std::make_unique<TWatchedStrings>([this] { RebuildButtons(); })) {}

const TClassInfo& TCustomRadioGroup::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomRadioGroup, TCustomGroupBox>("TCustomRadioGroup");
  return info;
}

const TClassInfo& TRadioGroup::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Items", &TCustomRadioGroup::Items),
      PublishInteger("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex),
      PublishInteger("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TRadioGroup, TCustomRadioGroup>("TRadioGroup", properties);
  return info;
}

void TCustomRadioGroup::SetItemIndex(int index) {
  // Kept as given while loading: the items may come after it.
  if (!HasState(TComponentStateFlag::csLoading)) index = std::clamp(index, -1, items_->Count() - 1);
  if (index == item_index_) return;
  item_index_ = index;
  if (index >= 0 && index < static_cast<int>(buttons_.size())) {
    buttons_[static_cast<std::size_t>(index)]->SetChecked(true);
  } else {
    for (TRadioButton* button : buttons_) button->SetChecked(false);
  }
}

void TCustomRadioGroup::SetColumns(int columns) {
  columns_ = std::clamp(columns, 1, 16);
  ArrangeButtons();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TCustomRadioGroup::CreateParams(TCreateParams& params) {
  TCustomGroupBox::CreateParams(params);
  params.window_class.name = L"TRadioGroup";
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  const int index = item_index_;
  item_index_ = -1;
  SetItemIndex(index);
}

void TCustomRadioGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  ArrangeButtons();
}

void TCustomRadioGroup::RebuildButtons() {
  for (TRadioButton* button : buttons_) button->Free();
  buttons_.clear();
  for (int i = 0; i < items_->Count(); ++i) {
    auto* button = new TRadioButton(this);
    button->SetCaption(items_->Get(i));
    button->SetParent(this);
    button->SetOnClick({{}, [this, i](TObject*) { ButtonClicked(i); }});
    buttons_.push_back(button);
  }
  if (item_index_ >= 0 && item_index_ < items_->Count()) {
    buttons_[static_cast<std::size_t>(item_index_)]->SetChecked(true);
  } else if (!HasState(TComponentStateFlag::csLoading)) {
    item_index_ = -1;
  }
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const layout::Rect area = ClientRect();
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int column_width = area.Width() / columns_;
  const int row_height = std::max(area.Height() / rows, 1);
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    buttons_[static_cast<std::size_t>(i)]->SetBounds(
        area.Left + column * column_width + 6, area.Top + row * row_height, column_width - 8, row_height);
  }
}

void TCustomRadioGroup::ButtonClicked(int index) {
  if (!buttons_[static_cast<std::size_t>(index)]->Checked()) return;
  item_index_ = index;
  if (!HasState(TComponentStateFlag::csLoading)) Click();
}
