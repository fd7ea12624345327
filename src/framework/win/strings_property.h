#pragma once
// A string list as a published sub-object, so that a description can write
// "Lines.Strings = ( 'a' 'b' )" for a memo's lines or a combo box's items.

#include "framework/object.h"
#include "framework/string_list.h"

class TStringsProperty : public TPersistent {
 public:
  explicit TStringsProperty(TStrings& strings) : strings_(strings) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TStrings& Strings() const { return strings_; }
  TStringArray Items() const;
  // Replaces the list's items in one bulk change.
  void SetItems(TStringArray items);

 private:
  TStrings& strings_;  // the list published; owned by the same control
};
