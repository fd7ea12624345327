#include "framework/form_parser.h"

#include <gtest/gtest.h>

namespace {

// The value of the only property of a one-object description.
TFormValue ValueOf(std::string_view value_text) {
  const TFormObject root = ParseFormDescription("object f: TF\n  P = " + AnsiString(value_text) + "\nend\n");
  EXPECT_EQ(root.properties.size(), 1u);
  return root.properties.at(0).value;
}

// The line an invalid description is reported at.
int ErrorLine(std::string_view text) {
  try {
    ParseFormDescription(text);
  } catch (const EParserError& error) {
    EXPECT_NE(error.Message().find("Line " + std::to_string(error.Line()) + ": "), AnsiString::npos);
    return error.Line();
  }
  ADD_FAILURE() << "no error for: " << text;
  return 0;
}

}  // namespace

TEST(FormParser, ObjectsNestWithTheirPropertiesInOrder) {
  const TFormObject root = ParseFormDescription(
      "object frmmain: Tfrmmain\n"
      "  Left = 1\n"
      "  object pnl1: TPanel\n"
      "    Font.Name = 'x'\n"
      "    object btn1: TButton\n"
      "    end\n"
      "  end\n"
      "  Top = 2\n"
      "  OBJECT lbl1: TLabel END\n"
      "end");
  EXPECT_EQ(root.name, "frmmain");
  EXPECT_EQ(root.class_name, "Tfrmmain");
  ASSERT_EQ(root.properties.size(), 2u);
  EXPECT_EQ(root.properties[1].name, "Top");
  EXPECT_EQ(root.properties[1].line, 8);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].properties[0].name, "Font.Name");
  EXPECT_EQ(root.children[0].children[0].class_name, "TButton");
  EXPECT_EQ(root.children[0].children[0].line, 5);
  EXPECT_EQ(root.children[1].name, "lbl1");
}

TEST(FormParser, IntegersInDecimalAndHexAndNegative) {
  EXPECT_EQ(ValueOf("752").integer, 752);
  EXPECT_EQ(ValueOf("-12").integer, -12);
  EXPECT_EQ(ValueOf("$FF000008").integer, 0xFF000008);
  EXPECT_EQ(ValueOf("-$10").integer, -16);
  EXPECT_EQ(ValueOf("9223372036854775807").integer, INT64_MAX);
  EXPECT_EQ(ValueOf("-9223372036854775808").integer, INT64_MIN);
  EXPECT_EQ(ValueOf("1").kind, TFormValueKind::Integer);
  EXPECT_EQ(ErrorLine("object f: TF\n P = 9223372036854775808\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n P = $10000000000000000\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n P = 1.5\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n P = 12px\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n P = $\nend"), 2);
}

TEST(FormParser, StringsJoinQuotedPartsCharacterCodesAndContinuations) {
  EXPECT_EQ(ValueOf("'it''s'").text, "it's");
  EXPECT_EQ(ValueOf("''").text, "");
  EXPECT_EQ(ValueOf("'a'#13#10'b'#$41").text, "a\r\nbA");
  EXPECT_EQ(ValueOf("#0'x'").text, AnsiString("\0x", 2));
  EXPECT_EQ(ValueOf("'one ' +\n    'two' + #33").text, "one two!");
  EXPECT_EQ(ValueOf("'文本文件|*.txt'").text, "文本文件|*.txt");
  EXPECT_EQ(ValueOf("'x'").kind, TFormValueKind::String);
  EXPECT_EQ(ErrorLine("object f: TF\n P = #25991\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n P = 'open\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n P = 'a' +\n 12\nend"), 3);
  EXPECT_EQ(ErrorLine("object f: TF\n P = #\nend"), 2);
}

TEST(FormParser, IdentifiersSetsListsAndCollections) {
  EXPECT_EQ(ValueOf("alTop").kind, TFormValueKind::Identifier);
  EXPECT_EQ(ValueOf("True").text, "True");
  const TFormValue set = ValueOf("[akLeft, akTop,akRight]");
  EXPECT_EQ(set.kind, TFormValueKind::Set);
  EXPECT_EQ(set.members, (std::vector<AnsiString>{"akLeft", "akTop", "akRight"}));
  EXPECT_TRUE(ValueOf("[]").members.empty());
  const TFormValue list = ValueOf("(\n 'mmo1'\n 'second' + 'half'\n '')");
  EXPECT_EQ(list.kind, TFormValueKind::List);
  ASSERT_EQ(list.items.size(), 3u);
  EXPECT_EQ(list.items[1].text, "secondhalf");
  EXPECT_TRUE(ValueOf("()").items.empty());
  const TFormValue columns = ValueOf(
      "<\n"
      "  item\n"
      "    Caption = 'No'\n"
      "    Width = 60\n"
      "  end\n"
      "  item\n"
      "  end>");
  EXPECT_EQ(columns.kind, TFormValueKind::Collection);
  ASSERT_EQ(columns.collection.size(), 2u);
  EXPECT_EQ(columns.collection[0].properties[1].value.integer, 60);
  EXPECT_EQ(columns.collection[1].line, 7);
  EXPECT_TRUE(ValueOf("<>").collection.empty());
  EXPECT_EQ(ErrorLine("object f: TF\n P = [a b]\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n P = [a,]\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n P = <\n object\n end>\nend"), 3);
  EXPECT_EQ(ErrorLine("object f: TF\n P = ('a'\nend"), 3);
}

TEST(FormParser, BinaryDataSpansLines) {
  const TFormValue data = ValueOf("{\n    0A1bFF\n    00\n    }");
  EXPECT_EQ(data.kind, TFormValueKind::Binary);
  EXPECT_EQ(data.bytes, (TBytes{0x0A, 0x1B, 0xFF, 0x00}));
  EXPECT_TRUE(ValueOf("{}").bytes.empty());
  EXPECT_EQ(ErrorLine("object f: TF\n P = {\n 0A1\n }\nend"), 4);
  EXPECT_EQ(ErrorLine("object f: TF\n P = {\n 0G\n }\nend"), 3);
  EXPECT_EQ(ErrorLine("object f: TF\n P = {\n 00\n"), 4);
}

TEST(FormParser, StructuralErrorsNameTheirLine) {
  EXPECT_EQ(ErrorLine(""), 1);
  EXPECT_EQ(ErrorLine("object f: TF\nend\nobject g: TG\nend"), 3);
  EXPECT_EQ(ErrorLine("object f: TF\n  inherited g: TG\n  end\nend"), 2);
  EXPECT_EQ(ErrorLine("inline f: TF\nend"), 1);
  EXPECT_EQ(ErrorLine("object f TF\nend"), 1);
  EXPECT_EQ(ErrorLine("object f: TF\n  Left 1\nend"), 2);
  EXPECT_EQ(ErrorLine("object f: TF\n  Left =\nend"), 3);
  EXPECT_EQ(ErrorLine("object f: TF\n  Left = 1\n"), 3);
  EXPECT_EQ(ErrorLine("object f: TF\n  Left = ;\nend"), 2);
}
