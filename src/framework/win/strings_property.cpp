#include "framework/win/strings_property.h"

#include "framework/published.h"

const TClassInfo& TStringsProperty::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishList("Strings", &TStringsProperty::Items, &TStringsProperty::SetItems),
  };
  static const TClassInfo info = MakeClassInfo<TStringsProperty, TPersistent>("TStrings", properties);
  return info;
}

TStringArray TStringsProperty::Items() const {
  TStringArray items;
  for (int i = 0; i < strings_.Count(); ++i) items.push_back(strings_.Get(i));
  return items;
}

void TStringsProperty::SetItems(TStringArray items) {
  TStringList list;
  for (const AnsiString& item : items) list.Add(item);
  strings_.Assign(list);
}
