#pragma once
// Collections: a published sub-object holding items of one class, such as a
// list view's Columns. A form description writes them as
// "Columns = < item Caption = '...' Width = 60 end ... >". A derived
// collection says which item class it holds by overriding NewItem, and learns
// of changes through Update.

#include <memory>
#include <vector>

#include "framework/object.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TCollection* Collection() const { return collection_; }
  int Index() const;

 protected:
  // Item setters call this so that the collection can follow.
  void Changed();

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
 public:
  ~TCollection() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();

  // Changes between these report one Update(nullptr) at the end.
  void BeginUpdate() { ++update_count_; }
  void EndUpdate();

  // Copies the items of a collection of the same class, one by one.
  void Assign(const TPersistent& source) override;

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() = 0;
  // After a change: `item` changed, or the whole collection when null.
  virtual void Update(TCollectionItem* /*item*/) {}

 private:
  friend class TCollectionItem;
  void Changed(TCollectionItem* item);

  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int update_count_ = 0;
};
