#pragma once
// Row builders for a class's published property table and a form's method
// table (see framework/type_info.h for where the table goes). Each takes the
// property's name and its getter and setter member functions; the class is
// taken from the getter, so a row may name an ancestor's accessors:
//
//   PublishInteger("Left", &TControl::Left, &TControl::SetLeft),
//   PublishInteger("Color", kColorConstants, &TControl::Color, &TControl::SetColor),
//   PublishEnum("Align", kAlignInfo, &TControl::Align, &TControl::SetAlign),
//   PublishBoolean("Visible", &TControl::Visible, &TControl::SetVisible),
//   PublishSet("Anchors", kAnchorKindInfo, &TControl::Anchors, &TControl::SetAnchors),
//   PublishString("Caption", &TControl::Caption, &TControl::SetCaption),
//   PublishObject("Font", &TControl::Font),
//   PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
//   PublishBinary("SkinStream", &TSkinData::StoredSkin, &TSkinData::SetStoredSkin),
//   PublishMethod("btn1Click", &Tfrmmain::btn1Click),
//
// Enumeration getters and setters use the enum type itself; set properties use
// TSet<Enum> or a plain unsigned mask (bit i for member i). Passing nullptr as the setter makes a read-only
// property.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>

#include "framework/object.h"
#include "framework/set.h"

namespace published_detail {

template <class M>
struct MemberOf;
template <class C, class R>
struct MemberOf<R C::*> {
  using Class = C;
};

template <class S>
struct SetterArg;
template <class C, class A>
struct SetterArg<void (C::*)(A)> {
  using Type = std::remove_cvref_t<A>;
};

template <class Get>
using ClassOf = typename MemberOf<Get>::Class;

template <class Get, class Set, class ToValue, class FromValue>
TPropInfo MakeRow(const char* name, TTypeKind kind, Get get, Set set, ToValue to_value,
                  FromValue from_value) {
  using C = ClassOf<Get>;
  TPropInfo row{name, kind, nullptr, {}, nullptr, nullptr};
  row.get = [get, to_value](const TObject& object) -> TPropValue {
    return to_value(std::invoke(get, static_cast<const C&>(object)));
  };
  if constexpr (!std::is_null_pointer_v<Set>) {
    using D = ClassOf<Set>;
    using Arg = typename SetterArg<Set>::Type;
    row.set = [set, from_value](TObject& object, const TPropValue& value) {
      std::invoke(set, static_cast<D&>(object), from_value.template operator()<Arg>(value));
    };
  }
  return row;
}

// A TEvent from a handler bound by a description: the form's method must take
// the event's parameters.
template <class Event, class... Args>
Event BindTyped(const TNotifyEvent& event, const std::function<void(TObject*, Args...)>&) {
  using Call = std::function<void(TObject&, TObject*, Args...)>;
  const Call* call = std::any_cast<Call>(&event.bound->call);
  if (call == nullptr) throw EConvertError("Handler " + event.method + " does not fit the event");
  TObject* form = event.form;
  return Event{event.method, [form, call](TObject* sender, Args... args) {
                 (*call)(*form, sender, std::forward<Args>(args)...);
               }};
}

template <class Event>
Event BindEvent(const TNotifyEvent& event) {
  if (event.bound != nullptr) return BindTyped<Event>(event, decltype(Event::handler){});
  if (event.handler) throw EConvertError("Handler " + event.method + " takes only the sender");
  return Event{};
}

}  // namespace published_detail

template <class Get, class Set>
TPropInfo PublishInteger(const char* name, std::span<const TIdentMapEntry> constants, Get get, Set set) {
  TPropInfo row = published_detail::MakeRow(
      name, TTypeKind::tkInteger, get, set, [](auto v) { return TPropValue(static_cast<std::int64_t>(v)); },
      []<class A>(const TPropValue& v) { return static_cast<A>(std::get<std::int64_t>(v)); });
  row.constants = constants;
  return row;
}

template <class Get, class Set>
TPropInfo PublishInteger(const char* name, Get get, Set set) {
  return PublishInteger(name, {}, get, set);
}

template <class Get, class Set>
TPropInfo PublishEnum(const char* name, const TEnumInfo& info, Get get, Set set) {
  TPropInfo row = published_detail::MakeRow(
      name, TTypeKind::tkEnumeration, get, set,
      [](auto v) { return TPropValue(static_cast<std::int64_t>(v)); },
      []<class A>(const TPropValue& v) { return static_cast<A>(std::get<std::int64_t>(v)); });
  row.enum_info = &info;
  return row;
}

// The identifiers "False" and "True": Boolean is an enumeration.
extern const TEnumInfo kBooleanInfo;

template <class Get, class Set>
TPropInfo PublishBoolean(const char* name, Get get, Set set) {
  return PublishEnum(name, kBooleanInfo, get, set);
}

template <class Get, class Set>
TPropInfo PublishSet(const char* name, const TEnumInfo& info, Get get, Set set) {
  TPropInfo row = published_detail::MakeRow(
      name, TTypeKind::tkSet, get, set,
      [](auto v) {
        if constexpr (std::is_integral_v<decltype(v)>) {
          return TPropValue(static_cast<std::int64_t>(v));
        } else {
          return TPropValue(static_cast<std::int64_t>(v.Bits()));
        }
      },
      []<class A>(const TPropValue& v) {
        const auto bits = static_cast<std::uint64_t>(std::get<std::int64_t>(v));
        if constexpr (std::is_integral_v<A>) {
          return static_cast<A>(bits);
        } else {
          return A::FromBits(bits);
        }
      });
  row.enum_info = &info;
  return row;
}

template <class Get, class Set>
TPropInfo PublishString(const char* name, Get get, Set set) {
  return published_detail::MakeRow(
      name, TTypeKind::tkString, get, set, [](const auto& v) { return TPropValue(AnsiString(v)); },
      []<class A>(const TPropValue& v) { return A(std::get<AnsiString>(v)); });
}

// A sub-object the class owns (Font, Lines): read-only, its own properties are
// set through it ("Font.Name"). With a setter, a reference to another object
// (a component named in the description) that the setter takes.
template <class Get, class Set = std::nullptr_t>
TPropInfo PublishObject(const char* name, Get get, Set set = nullptr) {
  return published_detail::MakeRow(
      name, TTypeKind::tkClass, get, set, [](auto* v) { return TPropValue(static_cast<TPersistent*>(v)); },
      []<class A>(const TPropValue& v) {
        using Target = std::remove_pointer_t<A>;
        TPersistent* object = std::get<TPersistent*>(v);
        if (object != nullptr && !InheritsFrom<Target>(object)) {
          throw EConvertError(AnsiString("Object of class ") + object->ClassName() + " is not a " +
                              Target::StaticClassInfo().name);
        }
        return static_cast<A>(object);
      });
}

template <class Get, class Set>
TPropInfo PublishEvent(const char* name, Get get, Set set) {
  return published_detail::MakeRow(
      name, TTypeKind::tkMethod, get, set,
      []<class E>(const E& v) {
        if constexpr (std::is_same_v<E, TNotifyEvent>) {
          return TPropValue(v);
        } else {
          // Only the name reads back: the call needs more than the sender.
          return TPropValue(TNotifyEvent{v.method, {}});
        }
      },
      []<class A>(const TPropValue& v) {
        const auto& event = std::get<TNotifyEvent>(v);
        if constexpr (std::is_same_v<A, TNotifyEvent>) {
          if (event.bound != nullptr && !event.handler) {
            throw EConvertError("Handler " + event.method + " takes more than the sender");
          }
          return event;
        } else {
          return published_detail::BindEvent<A>(event);
        }
      });
}

template <class Get, class Set>
TPropInfo PublishBinary(const char* name, Get get, Set set) {
  return published_detail::MakeRow(
      name, TTypeKind::tkBinary, get, set, [](const TBytes& v) { return TPropValue(v); },
      []<class A>(const TPropValue& v) { return std::get<TBytes>(v); });
}

template <class Get, class Set>
TPropInfo PublishList(const char* name, Get get, Set set) {
  return published_detail::MakeRow(
      name, TTypeKind::tkList, get, set, [](const TStringArray& v) { return TPropValue(v); },
      []<class A>(const TPropValue& v) { return std::get<TStringArray>(v); });
}

// A form's event handler, a member function taking the sender.
template <class C>
TMethodInfo PublishMethod(const char* name, void (C::*method)(TObject* sender)) {
  return TMethodInfo{name,
                     [method](TObject& self, TObject* sender) { (static_cast<C&>(self).*method)(sender); }};
}

// A form's handler taking more than the sender, for a TEvent of the same
// parameters.
template <class C, class... Args>
requires(sizeof...(Args) > 0) TMethodInfo
    PublishMethod(const char* name, void (C::*method)(TObject* sender, Args...)) {
  return TMethodInfo{name,
                     {},
                     std::function<void(TObject&, TObject*, Args...)>(
                         [method](TObject& self, TObject* sender, Args... args) {
                           (static_cast<C&>(self).*method)(sender, std::forward<Args>(args)...);
                         })};
}
