#pragma once
// The classes a form description may name, looked up by class name. A registry
// is built once from a static table, one class a line, and may fall back on a
// base registry, so each layer lists only its own classes:
//
//   const TClassRegistry& StandardClasses() {
//     static const TClassRegistry registry{{
//         &TButton::StaticClassInfo(),
//         &TCheckBox::StaticClassInfo(),
//     }};
//     return registry;
//   }
//
//   static const TClassRegistry app_classes{{&TOrderListView::StaticClassInfo()}, &StandardClasses()};

#include <initializer_list>
#include <string_view>
#include <vector>

#include "framework/type_info.h"

class TClassRegistry {
 public:
  TClassRegistry(std::initializer_list<const TClassInfo*> classes, const TClassRegistry* base = nullptr);

  // The class of that name (ASCII case ignored) here or in the base, or null.
  const TClassInfo* FindClass(std::string_view name) const;

 private:
  std::vector<const TClassInfo*> classes_;
  const TClassRegistry* base_;  // not owned
};
