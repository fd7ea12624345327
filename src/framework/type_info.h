#pragma once
// Run-time type information: what a class tells about itself so that stored
// form descriptions and the skin engine can create it by class name, test it
// against a framework class ("a TCustomPanel") and read and write its published
// properties by name.
//
// A class declares its class info in its header:
//
//   class TButton : public TWinControl {
//    public:
//     static const TClassInfo& StaticClassInfo();
//     const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
//
// and defines it in its source file with ONE table of published properties,
// one row a line (row builders in framework/published.h); the parent's rows
// are inherited through the chain, so only new rows are listed:
//
//   const TClassInfo& TButton::StaticClassInfo() {
//     static const TPropInfo properties[] = {
//         PublishBoolean("Default", &TButton::Default, &TButton::SetDefault),
//         PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
//     };
//     static const TClassInfo info = MakeClassInfo<TButton, TWinControl>("TButton", properties);
//     return info;
//   }
//
// A form adds its event handlers in a method table (PublishMethod rows) passed
// as the third argument of MakeClassInfo, so that a description's
// "OnClick = btn1Click" finds them by name.

#include <any>
#include <cstdint>
#include <functional>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include "framework/text.h"

class TObject;
class TPersistent;
class TComponent;

// The kinds of published property.
enum class TTypeKind {
  tkInteger,      // whole number; may have named constants (clBtnFace, GB2312_CHARSET)
  tkEnumeration,  // one identifier of a fixed list (alTop, True)
  tkSet,          // a subset of an enumeration's identifiers ([akLeft, akTop])
  tkString,       // GBK text
  tkClass,        // a persistent sub-object (Font, Lines) or a component reference
  tkMethod,       // an event: a bound handler
  tkBinary,       // raw bytes, stored as { hex }
  tkList,         // the texts of a string list, stored as ( 'a' 'b' )
};

// Named integer constants of an integer property type (TColor, TFontCharset).
struct TIdentMapEntry {
  const char* name;
  std::int64_t value;
};

// The identifiers of an enumeration type, in ordinal order; a set type of that
// enumeration has bit i for member i.
struct TEnumInfo {
  const char* type_name;
  std::span<const char* const> names;
};

using TBytes = std::vector<std::uint8_t>;
using TStringArray = std::vector<AnsiString>;

// A set property's value as its members' identifiers.
struct TSetValue {
  std::vector<AnsiString> members;
  bool operator==(const TSetValue&) const = default;
};

struct TMethodInfo;

// An event bound to a handler: the handler's method name as stored in the form
// description (empty when bound in code) and the call taking the sender.
// Bound from a description it also names the form and its method, so that an
// event whose handlers take more than the sender can take the same method.
struct TNotifyEvent {
  AnsiString method;
  std::function<void(TObject* sender)> handler;
  TObject* form = nullptr;
  const TMethodInfo* bound = nullptr;

  explicit operator bool() const { return static_cast<bool>(handler); }
  void operator()(TObject* sender) const {
    if (handler) handler(sender);
  }
};

// An event whose handlers take more than the sender (a replacement to edit,
// two rows to compare): the handler's method name as stored in the form
// description (empty when bound in code) and the call.
template <class... Args>
struct TEvent {
  AnsiString method;
  std::function<void(TObject* sender, Args...)> handler;

  TEvent() = default;
  template <class F>
  requires std::is_invocable_v<F&, TObject*, Args...> TEvent(F f) : handler(std::move(f)) {}
  TEvent(AnsiString method_name, std::function<void(TObject* sender, Args...)> call)
      : method(std::move(method_name)), handler(std::move(call)) {}

  explicit operator bool() const { return static_cast<bool>(handler); }
  void operator()(TObject* sender, Args... args) const {
    if (handler) handler(sender, std::forward<Args>(args)...);
  }
};

// A property value as GetPropValue answers and SetPropValue takes it: integers, ordinals
// and set bits as int64, enumeration values as their identifier, sets as
// identifiers, objects as pointers (never owned), events, bytes, string lists.
using TPropValue = std::variant<std::monostate, std::int64_t, AnsiString, TSetValue, TPersistent*,
                                TNotifyEvent, TBytes, TStringArray>;

// One published property. Accessors work on the canonical form of its kind:
// int64 for integers, enumeration ordinals and set bits; AnsiString; the
// object pointer; TNotifyEvent; TBytes; TStringArray. `set` is empty for a
// read-only property.
struct TPropInfo {
  const char* name;
  TTypeKind kind;
  const TEnumInfo* enum_info = nullptr;       // tkEnumeration, tkSet
  std::span<const TIdentMapEntry> constants;  // tkInteger
  std::function<TPropValue(const TObject&)> get;
  std::function<void(TObject&, const TPropValue&)> set;
};

// One published event handler of a form: called on the form with the sender.
// A handler taking more than the sender has no `invoke`; `call` holds it as a
// std::function<void(TObject& self, TObject* sender, Args...)>.
struct TMethodInfo {
  const char* name;
  std::function<void(TObject& self, TObject* sender)> invoke;
  std::any call = {};
};

struct TClassInfo {
  const char* name;
  const TClassInfo* parent;  // null for TObject
  std::span<const TPropInfo> properties;
  std::span<const TMethodInfo> methods;
  // Creates an instance owned by `owner`; null for classes that cannot be
  // created by name (abstract ones, non-components).
  TComponent* (*create)(TComponent* owner);

  // Class tests walk the chain; names compare ignoring ASCII case, as the
  // platform's class-name tests do.
  bool InheritsFrom(const TClassInfo& other) const;
  bool InheritsFrom(std::string_view class_name) const;
  // The property or method of that name (ASCII case ignored) on this class or
  // an ancestor, the most derived first; null when there is none.
  const TPropInfo* FindProperty(std::string_view property_name) const;
  const TMethodInfo* FindMethod(std::string_view method_name) const;
};
