#include "framework/component.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/control.h"

namespace {

// Records its own destruction so ownership can be observed.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, std::vector<AnsiString>* log, const char* name) : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TProbe() override { log_->push_back(Name()); }

 private:
  std::vector<AnsiString>* log_;
};

}  // namespace

TEST(Component, OwnerFreesWhatItOwnsAndEarlyFreesLeaveTheOwner) {
  std::vector<AnsiString> log;
  auto* owner = new TProbe(nullptr, &log, "owner");
  auto* a = new TProbe(owner, &log, "a");
  auto* b = new TProbe(owner, &log, "b");
  new TProbe(a, &log, "a1");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B"), b);
  EXPECT_EQ(owner->FindComponent("a1"), nullptr);
  delete b;
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->FindComponent("b"), nullptr);
  delete owner;
  EXPECT_EQ(log, (std::vector<AnsiString>{"b", "owner", "a", "a1"}));
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  first->SetName("btn1");
  auto* second = new TComponent(&owner);
  EXPECT_THROW(second->SetName("BTN1"), EComponentError);
  EXPECT_THROW(second->SetName("1btn"), EComponentError);
  EXPECT_THROW(second->SetName("btn 2"), EComponentError);
  second->SetName("btn2");
  first->SetName("Btn1");
  EXPECT_EQ(first->Name(), "Btn1");
  second->SetName("");
  EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, ClassTestsWalkTheFrameworkClassChain) {
  TControl control(nullptr);
  EXPECT_STREQ(control.ClassName(), "TControl");
  EXPECT_TRUE(control.InheritsFrom("tcomponent"));
  EXPECT_TRUE(control.InheritsFrom("TPersistent"));
  EXPECT_FALSE(control.InheritsFrom("TFont"));
  EXPECT_TRUE(InheritsFrom<TComponent>(&control));
  EXPECT_FALSE(InheritsFrom<TControl>(static_cast<TObject*>(nullptr)));
  TComponent plain(nullptr);
  EXPECT_EQ(ObjectAs<TControl>(&plain), nullptr);
  EXPECT_EQ(ObjectAs<TComponent>(&control), &control);
}
