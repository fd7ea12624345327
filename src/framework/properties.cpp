#include "framework/properties.h"

#include <charconv>

namespace {

[[noreturn]] void WrongValue(const TPropInfo& info) {
  throw EConvertError(AnsiString("Invalid value for property ") + info.name);
}

std::int64_t SetBits(const TPropInfo& info, const TSetValue& value) {
  std::uint64_t bits = 0;
  for (const AnsiString& member : value.members) {
    const int ordinal = GetEnumValue(*info.enum_info, member);
    if (ordinal < 0) throw EConvertError("Invalid set member " + member + " for property " + info.name);
    bits |= std::uint64_t{1} << ordinal;
  }
  return static_cast<std::int64_t>(bits);
}

TSetValue SetMembers(const TPropInfo& info, std::int64_t bits) {
  TSetValue value;
  const auto& names = info.enum_info->names;
  for (std::size_t i = 0; i < names.size() && i < 64; ++i) {
    if ((static_cast<std::uint64_t>(bits) >> i) & 1) value.members.emplace_back(names[i]);
  }
  return value;
}

std::int64_t IntegerFromText(const TPropInfo& info, const AnsiString& text) {
  std::int64_t value = 0;
  if (IdentToInt(info.constants, text, value)) return value;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end || text.empty()) WrongValue(info);
  return value;
}

// The value in the canonical form the property's accessors take.
TPropValue Canonical(const TPropInfo& info, const TPropValue& value) {
  const auto* text = std::get_if<AnsiString>(&value);
  switch (info.kind) {
    case TTypeKind::tkInteger:
      if (text != nullptr) return IntegerFromText(info, *text);
      break;
    case TTypeKind::tkEnumeration:
      if (text != nullptr) {
        const int ordinal = GetEnumValue(*info.enum_info, *text);
        if (ordinal < 0) throw EConvertError("Invalid value " + *text + " for property " + info.name);
        return std::int64_t{ordinal};
      }
      if (const auto* ordinal = std::get_if<std::int64_t>(&value)) {
        if (*ordinal < 0 || static_cast<std::size_t>(*ordinal) >= info.enum_info->names.size())
          WrongValue(info);
      }
      break;
    case TTypeKind::tkSet:
      if (const auto* set = std::get_if<TSetValue>(&value)) return SetBits(info, *set);
      break;
    default:
      break;
  }
  return value;
}

bool KindTakes(TTypeKind kind, const TPropValue& value) {
  switch (kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
      return std::holds_alternative<std::int64_t>(value);
    case TTypeKind::tkString:
      return std::holds_alternative<AnsiString>(value);
    case TTypeKind::tkClass:
      return std::holds_alternative<TPersistent*>(value);
    case TTypeKind::tkMethod:
      return std::holds_alternative<TNotifyEvent>(value);
    case TTypeKind::tkBinary:
      return std::holds_alternative<TBytes>(value);
    case TTypeKind::tkList:
      return std::holds_alternative<TStringArray>(value);
  }
  return false;
}

}  // namespace

const TPropInfo* FindPropInfo(const TObject* object, std::string_view name) {
  return object == nullptr ? nullptr : object->ClassInfo().FindProperty(name);
}

const TPropInfo& GetPropInfo(const TObject& object, std::string_view name) {
  const TPropInfo* info = FindPropInfo(&object, name);
  if (info == nullptr) {
    throw EPropertyError(AnsiString(object.ClassName()) + " has no property " + AnsiString(name));
  }
  return *info;
}

TPropValue GetPropValue(const TObject& object, std::string_view name) {
  const TPropInfo& info = GetPropInfo(object, name);
  TPropValue value = info.get(object);
  if (info.kind == TTypeKind::tkEnumeration)
    return GetEnumName(*info.enum_info, std::get<std::int64_t>(value));
  if (info.kind == TTypeKind::tkSet) return SetMembers(info, std::get<std::int64_t>(value));
  return value;
}

void SetPropValue(TObject& object, const TPropInfo& info, const TPropValue& value) {
  if (!info.set) throw EPropertyError(AnsiString("Property ") + info.name + " is read-only");
  TPropValue canonical = Canonical(info, value);
  if (!KindTakes(info.kind, canonical)) WrongValue(info);
  info.set(object, canonical);
}

void SetPropValue(TObject& object, std::string_view name, const TPropValue& value) {
  SetPropValue(object, GetPropInfo(object, name), value);
}

std::int64_t GetOrdProp(const TObject& object, std::string_view name) {
  const TPropInfo& info = GetPropInfo(object, name);
  const TPropValue value = info.get(object);
  if (const auto* ordinal = std::get_if<std::int64_t>(&value)) return *ordinal;
  throw EConvertError(AnsiString("Property ") + info.name + " is not ordinal");
}

AnsiString GetEnumProp(const TObject& object, std::string_view name) {
  const TPropInfo& info = GetPropInfo(object, name);
  if (info.kind != TTypeKind::tkEnumeration) {
    throw EConvertError(AnsiString("Property ") + info.name + " is not an enumeration");
  }
  return GetEnumName(*info.enum_info, std::get<std::int64_t>(info.get(object)));
}

AnsiString GetStrProp(const TObject& object, std::string_view name) {
  const TPropValue value = GetPropInfo(object, name).get(object);
  if (const auto* text = std::get_if<AnsiString>(&value)) return *text;
  throw EConvertError("Property " + AnsiString(name) + " is not a string");
}

TPersistent* GetObjectProp(const TObject& object, std::string_view name) {
  const TPropValue value = GetPropInfo(object, name).get(object);
  if (const auto* sub_object = std::get_if<TPersistent*>(&value)) return *sub_object;
  throw EConvertError("Property " + AnsiString(name) + " is not an object");
}

int GetEnumValue(const TEnumInfo& info, std::string_view identifier) {
  for (std::size_t i = 0; i < info.names.size(); ++i) {
    if (SameText(info.names[i], identifier)) return static_cast<int>(i);
  }
  return -1;
}

AnsiString GetEnumName(const TEnumInfo& info, std::int64_t ordinal) {
  if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= info.names.size()) return std::to_string(ordinal);
  return info.names[static_cast<std::size_t>(ordinal)];
}

bool IdentToInt(std::span<const TIdentMapEntry> constants, std::string_view identifier, std::int64_t& value) {
  for (const TIdentMapEntry& entry : constants) {
    if (SameText(entry.name, identifier)) {
      value = entry.value;
      return true;
    }
  }
  return false;
}
