#include "framework/component.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/class_registry.h"
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

namespace {

// Keeps a log of the components that enter and leave it.
class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<AnsiString> seen;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    seen.push_back((operation == TOperation::opInsert ? "+" : "-") + component->Name());
  }
};

}  // namespace

TEST(Component, OwnersAreToldOfComponentsEnteringAndLeaving) {
  TWatcher first(nullptr);
  TWatcher second(nullptr);
  auto* moved = new TComponent(nullptr);
  moved->SetName("c");
  first.InsertComponent(moved);
  second.InsertComponent(moved);
  EXPECT_EQ(moved->Owner(), &second);
  EXPECT_EQ(first.ComponentCount(), 0);
  delete moved;
  EXPECT_EQ(first.seen, (std::vector<AnsiString>{"+c", "-c"}));
  EXPECT_EQ(second.seen, (std::vector<AnsiString>{"+c", "-c"}));
}

TEST(ClassRegistry, FindsClassesByNameHereOrInTheBase) {
  static const TClassRegistry base{{&TComponent::StaticClassInfo()}};
  static const TClassRegistry registry{{&TControl::StaticClassInfo()}, &base};
  EXPECT_EQ(registry.FindClass("tcontrol"), &TControl::StaticClassInfo());
  EXPECT_EQ(registry.FindClass("TComponent"), &TComponent::StaticClassInfo());
  EXPECT_EQ(registry.FindClass("TButton"), nullptr);
  TComponent owner(nullptr);
  TComponent* created = registry.FindClass("TControl")->create(&owner);
  EXPECT_STREQ(created->ClassName(), "TControl");
  EXPECT_EQ(created->Owner(), &owner);
  EXPECT_EQ(TFont::StaticClassInfo().create, nullptr);
}
