#include "framework/component.h"

#include <algorithm>

#include "framework/published.h"

bool IsValidIdent(std::string_view name) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (name.empty() || !letter(name[0])) return false;
  return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  state_ |= static_cast<unsigned>(TComponentStateFlag::csDestroying);
  // Each owned component leaves this list as it goes, so take them from the
  // back until none is left: a component may free others it owns in turn.
  while (!components_.empty()) delete components_.back();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void* TComponent::operator new(std::size_t size) {
  return ::operator new(size);
}

void TComponent::operator delete(void* storage) {
  ::operator delete(storage);
}

void TComponent::operator delete(TComponent* component, std::destroying_delete_t) {
  component->BeforeDestruction();
  void* storage = dynamic_cast<void*>(component);
  component->~TComponent();
  ::operator delete(storage);
}

void TComponent::BeforeDestruction() noexcept {
  state_ |= static_cast<unsigned>(TComponentStateFlag::csDestroying);
}

const TClassInfo& TComponent::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishString("Name", &TComponent::Name, &TComponent::SetName),
      PublishInteger("Tag", &TComponent::Tag, &TComponent::SetTag),
  };
  static const TClassInfo info = MakeClassInfo<TComponent, TPersistent>("TComponent", properties);
  return info;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError("Component index out of bounds");
  return components_[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_) {
    if (SameText(component->name_, name)) return component;
  }
  return nullptr;
}

void TComponent::SetName(std::string_view name) {
  if (SameText(name, name_)) {
    name_ = AnsiString(name);
    return;
  }
  if (!name.empty() && !IsValidIdent(name)) {
    throw EComponentError("\"" + AnsiString(name) + "\" is not a valid component name");
  }
  if (owner_ != nullptr && owner_->FindComponent(name) != nullptr) {
    throw EComponentError("A component named " + AnsiString(name) + " already exists");
  }
  name_ = AnsiString(name);
}

void TComponent::SetLoading(bool loading) {
  const unsigned flag = static_cast<unsigned>(TComponentStateFlag::csLoading);
  state_ = loading ? state_ | flag : state_ & ~flag;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_ == this) return;
  if (!component->name_.empty() && FindComponent(component->name_) != nullptr) {
    throw EComponentError("A component named " + component->name_ + " already exists");
  }
  if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  const auto found = std::find(components_.begin(), components_.end(), component);
  if (found == components_.end()) return;
  components_.erase(found);
  component->owner_ = nullptr;
  Notification(component, TOperation::opRemove);
}
