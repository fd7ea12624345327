#include "framework/collection.h"

#include <gtest/gtest.h>

namespace {

class TNumber : public TCollectionItem {
 public:
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TNumber, TCollectionItem>("TNumber");
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int Value() const { return value_; }
  void SetValue(int value) {
    value_ = value;
    Changed();
  }
  void Assign(const TPersistent& source) override { SetValue(static_cast<const TNumber&>(source).value_); }

 private:
  int value_ = 0;
};

// Logs each update: the index of the changed item, or -1 for the whole.
class TNumbers : public TCollection {
 public:
  TNumber* Number(int index) const { return static_cast<TNumber*>(Items(index)); }
  std::vector<int> updates;

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<TNumber>(); }
  void Update(TCollectionItem* item) override { updates.push_back(item != nullptr ? item->Index() : -1); }
};

class TOtherNumbers : public TNumbers {
 public:
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TOtherNumbers, TCollection>("TOtherNumbers");
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace

TEST(Collection, ItemsReportChangesAndUpdatesBatch) {
  TNumbers numbers;
  static_cast<TNumber*>(numbers.Add())->SetValue(1);
  static_cast<TNumber*>(numbers.Add())->SetValue(2);
  EXPECT_EQ(numbers.updates, (std::vector<int>{-1, 0, -1, 1}));
  EXPECT_EQ(numbers.Number(1)->Collection(), &numbers);
  numbers.updates.clear();
  numbers.BeginUpdate();
  numbers.Number(0)->SetValue(5);
  numbers.Delete(1);
  numbers.EndUpdate();
  EXPECT_EQ(numbers.updates, std::vector<int>{-1});
  EXPECT_EQ(numbers.Count(), 1);
  EXPECT_THROW(numbers.Delete(1), EListError);
}

TEST(Collection, AssignCopiesItemsOfTheSameClassOnly) {
  TNumbers source;
  static_cast<TNumber*>(source.Add())->SetValue(7);
  static_cast<TNumber*>(source.Add())->SetValue(8);
  TNumbers copy;
  copy.Add();
  copy.Assign(source);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.Number(1)->Value(), 8);
  TOtherNumbers other;
  EXPECT_THROW(other.Assign(source), EConvertError);
}
