#pragma once
// A skin object reads the control it serves by property name, so one skin
// object serves every control class that publishes properties of those names.
// Nothing here raises: a missing property, one of another kind or a null
// object reads as -1, empty or null, and a write to it is ignored.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/object.h"

// An integer property (an enumeration's ordinal too); -1 when absent.
std::int64_t GetOrdPropByName(const TObject* object, std::string_view name);
// The identifier of an enumeration value ("True", "bsNone"); empty when absent.
AnsiString GetEnumPropByName(const TObject* object, std::string_view name);
// A text property as wide text; empty when absent.
std::wstring GetTextPropByName(const TObject* object, std::string_view name);
// An object-valued property (a Font, a Glyph); null when absent.
TPersistent* GetObjectPropByName(const TObject* object, std::string_view name);
template <class T>
T* GetObjectPropByName(const TObject* object, std::string_view name) {
  return ObjectAs<T>(GetObjectPropByName(object, name));
}
// Integers take the text as a number (or a named constant), enumerations the
// value it names, texts the text itself; other kinds are left alone.
void SetPropByName(TObject* object, std::string_view name, std::string_view text);
