#pragma once
// A form description as a tree, before anything is created from it: objects
// with their class and name, their property assignments in order, and the
// objects nested in them. Every node keeps its line for error messages.

#include <cstdint>
#include <vector>

#include "framework/text.h"
#include "framework/type_info.h"

enum class TFormValueKind {
  Integer,     // 12, -3, $FF
  String,      // 'text' #13#10 'more', joined
  Identifier,  // alTop, True, btn1Click, clBtnFace
  Set,         // [akLeft, akTop]
  List,        // ( 'a' 'b' )
  Collection,  // < item ... end >
  Binary,      // { 0A1B }
};

struct TFormProperty;

// One item of a collection value.
struct TFormItem {
  int line = 0;
  std::vector<TFormProperty> properties;
};

struct TFormValue {
  TFormValueKind kind = TFormValueKind::Integer;
  int line = 0;
  std::int64_t integer = 0;
  AnsiString text;                  // String and Identifier
  std::vector<AnsiString> members;  // Set
  std::vector<TFormValue> items;    // List
  std::vector<TFormItem> collection;
  TBytes bytes;
};

// "Name = value"; the name may be dotted ("Font.Name").
struct TFormProperty {
  int line = 0;
  AnsiString name;
  TFormValue value;
};

struct TFormObject {
  int line = 0;
  AnsiString name;
  AnsiString class_name;
  std::vector<TFormProperty> properties;
  std::vector<TFormObject> children;
};
