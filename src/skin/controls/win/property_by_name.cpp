#include "skin/controls/win/property_by_name.h"

#include <variant>

#include "framework/properties.h"
#include "framework/win/wide.h"

namespace {

const TPropInfo* Find(const TObject* object, std::string_view name, TTypeKind kind) {
  const TPropInfo* info = FindPropInfo(object, name);
  return info != nullptr && info->kind == kind && info->get ? info : nullptr;
}

}  // namespace

std::int64_t GetOrdPropByName(const TObject* object, std::string_view name) {
  const TPropInfo* info = FindPropInfo(object, name);
  if (info == nullptr || !info->get) return -1;
  if (info->kind != TTypeKind::tkInteger && info->kind != TTypeKind::tkEnumeration) return -1;
  const TPropValue value = info->get(*object);
  const auto* number = std::get_if<std::int64_t>(&value);
  return number != nullptr ? *number : -1;
}

AnsiString GetEnumPropByName(const TObject* object, std::string_view name) {
  const TPropInfo* info = Find(object, name, TTypeKind::tkEnumeration);
  if (info == nullptr || info->enum_info == nullptr) return {};
  const TPropValue value = info->get(*object);
  const auto* ordinal = std::get_if<std::int64_t>(&value);
  return ordinal != nullptr ? GetEnumName(*info->enum_info, *ordinal) : AnsiString();
}

std::wstring GetTextPropByName(const TObject* object, std::string_view name) {
  const TPropInfo* info = Find(object, name, TTypeKind::tkString);
  if (info == nullptr) return {};
  const TPropValue value = info->get(*object);
  const auto* text = std::get_if<AnsiString>(&value);
  return text != nullptr ? ToWide(*text) : std::wstring();
}

TPersistent* GetObjectPropByName(const TObject* object, std::string_view name) {
  const TPropInfo* info = Find(object, name, TTypeKind::tkClass);
  if (info == nullptr) return nullptr;
  const TPropValue value = info->get(*object);
  const auto* sub = std::get_if<TPersistent*>(&value);
  return sub != nullptr ? *sub : nullptr;
}

void SetPropByName(TObject* object, std::string_view name, std::string_view text) {
  const TPropInfo* info = FindPropInfo(object, name);
  if (info == nullptr || !info->set) return;
  switch (info->kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkString:
      break;
    default:
      return;
  }
  // A value the property refuses (a word for a number, an unknown
  // identifier) leaves the property as it was.
  try {
    SetPropValue(*object, *info, TPropValue(AnsiString(text)));
  } catch (const std::exception&) {
  }
}
