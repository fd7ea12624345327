#pragma once
// Reading and writing published properties by name. Names compare ignoring
// ASCII case. The strict calls raise EPropertyError for a property the object
// does not publish and EConvertError for a value of the wrong kind; the
// Find/Has calls let callers that tolerate absence (the skin engine) test
// first.

#include <cstdint>
#include <string_view>

#include "framework/object.h"

class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};

// The property of that name, or null (also for a null object).
const TPropInfo* FindPropInfo(const TObject* object, std::string_view name);
const TPropInfo& GetPropInfo(const TObject& object, std::string_view name);

// The property's value as TPropValue holds it: enumeration values as their
// identifier, sets as their members' identifiers.
TPropValue GetPropValue(const TObject& object, std::string_view name);

// Integer, enumeration and set properties take int64 (the ordinal for an
// enumeration, the bits for a set); enumerations also their identifier, sets
// also a TSetValue; integers also a named constant of their type or decimal
// text. Every other kind takes its own value type. Read-only properties raise
// EPropertyError.
void SetPropValue(TObject& object, std::string_view name, const TPropValue& value);
void SetPropValue(TObject& object, const TPropInfo& info, const TPropValue& value);

// Typed reads. GetOrdProp answers integers, ordinals and set bits.
std::int64_t GetOrdProp(const TObject& object, std::string_view name);
AnsiString GetEnumProp(const TObject& object, std::string_view name);
AnsiString GetStrProp(const TObject& object, std::string_view name);
TPersistent* GetObjectProp(const TObject& object, std::string_view name);

// Identifier lookups of enumeration types and integer constants, ignoring
// ASCII case; -1 / false when not found.
int GetEnumValue(const TEnumInfo& info, std::string_view identifier);
AnsiString GetEnumName(const TEnumInfo& info, std::int64_t ordinal);
bool IdentToInt(std::span<const TIdentMapEntry> constants, std::string_view identifier, std::int64_t& value);
