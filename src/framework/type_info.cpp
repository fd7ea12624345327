#include "framework/type_info.h"

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->parent) {
    if (info == &other) return true;
  }
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view class_name) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->parent) {
    if (SameText(info->name, class_name)) return true;
  }
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view property_name) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->parent) {
    for (const TPropInfo& property : info->properties) {
      if (SameText(property.name, property_name)) return &property;
    }
  }
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view method_name) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->parent) {
    for (const TMethodInfo& method : info->methods) {
      if (SameText(method.name, method_name)) return &method;
    }
  }
  return nullptr;
}
