#pragma once
// A string list that tells its owner after every change, a bulk change
// (an assignment, a description's "Items.Strings") once at its end: the items
// of a radio group or a list box, which rebuild what shows them.

#include <functional>

#include "framework/string_list.h"

class TWatchedStrings final : public TStrings {
 public:
  explicit TWatchedStrings(std::function<void()> changed) : changed_(std::move(changed)) {}

  int Count() const override { return items_.Count(); }
  AnsiString Get(int index) const override { return items_.Get(index); }
  void Put(int index, std::string_view s) override;
  void Insert(int index, std::string_view s) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(std::string_view s) override;

  bool Sorted() const { return items_.Sorted(); }
  void SetSorted(bool sorted);

 protected:
  void BeginUpdate() override { ++updating_; }
  void EndUpdate() override;

 private:
  void Changed();

  TStringList items_;
  std::function<void()> changed_;
  int updating_ = 0;
};
