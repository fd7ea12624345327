#include "framework/form_parser.h"

#include "framework/form_tokenizer.h"

namespace {

class TFormParser {
 public:
  explicit TFormParser(std::string_view text) : tokenizer_(text) { Advance(); }

  TFormObject ParseRoot() {
    TFormObject root = ParseObject();
    if (token_.kind != TFormTokenKind::End) Fail("Text after the end of the form description");
    return root;
  }

 private:
  void Advance() { token_ = tokenizer_.Next(); }
  [[noreturn]] void Fail(const AnsiString& message) const { throw EParserError(token_.line, message); }

  void ExpectSymbol(char symbol) {
    if (!token_.IsSymbol(symbol)) Fail(AnsiString{'\'', symbol, '\''} + " expected");
    Advance();
  }

  AnsiString ExpectIdentifier(const char* what) {
    if (token_.kind != TFormTokenKind::Identifier) Fail(AnsiString(what) + " expected");
    AnsiString text = token_.text;
    Advance();
    return text;
  }

  bool AtObject() const {
    return token_.IsKeyword("object") || token_.IsKeyword("inherited") || token_.IsKeyword("inline");
  }

  TFormObject ParseObject() {
    if (token_.IsKeyword("inherited") || token_.IsKeyword("inline")) {
      Fail("'" + token_.text + "' objects are not supported");
    }
    if (!token_.IsKeyword("object")) Fail("'object' expected");
    TFormObject object;
    object.line = token_.line;
    Advance();
    object.name = ExpectIdentifier("Object name");
    ExpectSymbol(':');
    object.class_name = ExpectIdentifier("Class name");
    while (!token_.IsKeyword("end")) {
      if (AtObject()) {
        object.children.push_back(ParseObject());
      } else {
        object.properties.push_back(ParseProperty());
      }
    }
    Advance();
    return object;
  }

  TFormProperty ParseProperty() {
    if (token_.kind == TFormTokenKind::End) Fail("'end' expected");
    TFormProperty property;
    property.line = token_.line;
    property.name = ExpectIdentifier("Property name");
    ExpectSymbol('=');
    property.value = ParseValue();
    return property;
  }

  TFormValue ParseValue() {
    TFormValue value;
    value.line = token_.line;
    switch (token_.kind) {
      case TFormTokenKind::Integer:
        value.kind = TFormValueKind::Integer;
        value.integer = token_.integer;
        Advance();
        return value;
      case TFormTokenKind::String:
        value.kind = TFormValueKind::String;
        value.text = ParseString();
        return value;
      case TFormTokenKind::Identifier:
        value.kind = TFormValueKind::Identifier;
        value.text = token_.text;
        Advance();
        return value;
      case TFormTokenKind::Binary:
        value.kind = TFormValueKind::Binary;
        value.bytes = std::move(token_.bytes);
        Advance();
        return value;
      case TFormTokenKind::Symbol:
        if (token_.IsSymbol('[')) return ParseSet(value);
        if (token_.IsSymbol('(')) return ParseList(value);
        if (token_.IsSymbol('<')) return ParseCollection(value);
        break;
      case TFormTokenKind::End:
        break;
    }
    Fail("Property value expected");
  }

  // Strings joined by '+', which may stand at a line's end.
  AnsiString ParseString() {
    AnsiString text = token_.text;
    Advance();
    while (token_.IsSymbol('+')) {
      Advance();
      if (token_.kind != TFormTokenKind::String) Fail("String expected after '+'");
      text += token_.text;
      Advance();
    }
    return text;
  }

  TFormValue ParseSet(TFormValue& value) {
    value.kind = TFormValueKind::Set;
    Advance();
    if (!token_.IsSymbol(']')) {
      value.members.push_back(ExpectIdentifier("Set member"));
      while (token_.IsSymbol(',')) {
        Advance();
        value.members.push_back(ExpectIdentifier("Set member"));
      }
    }
    ExpectSymbol(']');
    return std::move(value);
  }

  TFormValue ParseList(TFormValue& value) {
    value.kind = TFormValueKind::List;
    Advance();
    while (!token_.IsSymbol(')')) value.items.push_back(ParseValue());
    Advance();
    return std::move(value);
  }

  TFormValue ParseCollection(TFormValue& value) {
    value.kind = TFormValueKind::Collection;
    Advance();
    while (!token_.IsSymbol('>')) {
      if (!token_.IsKeyword("item")) Fail("'item' expected");
      TFormItem item;
      item.line = token_.line;
      Advance();
      while (!token_.IsKeyword("end")) item.properties.push_back(ParseProperty());
      Advance();
      value.collection.push_back(std::move(item));
    }
    Advance();
    return std::move(value);
  }

  TFormTokenizer tokenizer_;
  TFormToken token_;
};

}  // namespace

TFormObject ParseFormDescription(std::string_view text) {
  return TFormParser(text).ParseRoot();
}
