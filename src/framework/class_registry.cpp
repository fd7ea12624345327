#include "framework/class_registry.h"

TClassRegistry::TClassRegistry(std::initializer_list<const TClassInfo*> classes, const TClassRegistry* base)
    : classes_(classes), base_(base) {}

const TClassInfo* TClassRegistry::FindClass(std::string_view name) const {
  for (const TClassInfo* info : classes_) {
    if (SameText(info->name, name)) return info;
  }
  return base_ != nullptr ? base_->FindClass(name) : nullptr;
}
