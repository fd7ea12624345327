#include "framework/collection.h"

#include <algorithm>

#include "framework/scoped_value.h"

const TClassInfo& TCollectionItem::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCollectionItem, TPersistent>("TCollectionItem");
  return info;
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  for (int i = 0; i < collection_->Count(); ++i) {
    if (collection_->Items(i) == this) return i;
  }
  return -1;
}

void TCollectionItem::Changed() {
  if (collection_ != nullptr) collection_->Changed(this);
}

TCollection::~TCollection() = default;

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCollection, TPersistent>("TCollection");
  return info;
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("Collection index out of bounds");
  return items_[static_cast<std::size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
  items_.push_back(NewItem());
  TCollectionItem* item = items_.back().get();
  item->collection_ = this;
  Changed(nullptr);
  return item;
}

void TCollection::Delete(int index) {
  Items(index);
  items_.erase(items_.begin() + index);
  Changed(nullptr);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed(nullptr);
}

void TCollection::EndUpdate() {
  if (update_count_ > 0 && --update_count_ == 0) Update(nullptr);
}

void TCollection::Assign(const TPersistent& source) {
  const TCollection* other = ObjectAs<TCollection>(&source);
  if (other == nullptr || &other->ClassInfo() != &ClassInfo()) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  TryFinally(
      [&] {
        Clear();
        for (const auto& item : other->items_) Add()->Assign(*item);
      },
      [this] { EndUpdate(); });
}

void TCollection::Changed(TCollectionItem* item) {
  if (update_count_ == 0) Update(item);
}
