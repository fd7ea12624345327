#pragma once
// The roots of the class tree. Every framework class derives from TObject and
// declares its class info as framework/type_info.h shows; TPersistent is the
// base of whatever can be a published sub-object (fonts, string lists,
// collections) and of components.

#include <string_view>
#include <type_traits>

#include "framework/exception.h"
#include "framework/type_info.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

  // The framework class name ("TButton", "Tfrmmain").
  const char* ClassName() const { return ClassInfo().name; }
  bool InheritsFrom(std::string_view class_name) const { return ClassInfo().InheritsFrom(class_name); }
  bool InheritsFrom(const TClassInfo& info) const { return ClassInfo().InheritsFrom(info); }
};

// A property assignment that the class cannot take: a wrong kind of value, an
// unknown identifier, an object of another class.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class TPersistent : public TObject {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Copies the state of `source`; the base raises EConvertError, as a class
  // that knows no way to take another object's state should.
  virtual void Assign(const TPersistent& source);
};

// True when `object` is a T by the framework class chain (null is no T).
template <class T>
bool InheritsFrom(const TObject* object) {
  return object != nullptr && object->ClassInfo().InheritsFrom(T::StaticClassInfo());
}

// The object as a T when its class chain says it is one, else null.
template <class T>
T* ObjectAs(TObject* object) {
  return InheritsFrom<T>(object) ? static_cast<T*>(object) : nullptr;
}

template <class T>
const T* ObjectAs(const TObject* object) {
  return InheritsFrom<T>(object) ? static_cast<const T*>(object) : nullptr;
}

template <class T>
TComponent* CreateInstance(TComponent* owner) {
  return new T(owner);
}

// Builds a class's info; a class that can be constructed from its owner gets a
// factory so that it can be created by name.
template <class T, class Parent>
TClassInfo MakeClassInfo(const char* name, std::span<const TPropInfo> properties = {},
                         std::span<const TMethodInfo> methods = {}) {
  static_assert(std::is_base_of_v<Parent, T>);
  TComponent* (*create)(TComponent*) = nullptr;
  if constexpr (std::is_constructible_v<T, TComponent*> && !std::is_abstract_v<T>) {
    create = &CreateInstance<T>;
  }
  return TClassInfo{name, &Parent::StaticClassInfo(), properties, methods, create};
}
