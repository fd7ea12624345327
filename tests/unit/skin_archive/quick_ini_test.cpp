#include "skin/data/ini/quick_ini.h"

#include <gtest/gtest.h>

using namespace std::string_view_literals;

namespace {

TQuickIni Load(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromStream(text);
  return ini;
}

}  // namespace

TEST(QuickIni, FindsSectionsWithoutRegardToCaseAndKeysAfterLowering) {
  const TQuickIni ini = Load(
      "[personality]\r\n"
      "  SkinName = Blue Steel  \r\n"
      "Frame=3\r\n"
      "[ Buttons]\r\n"
      "Normal=a.bmp\r\n");
  EXPECT_EQ(ini.SectionLine("Personality"), 0);
  EXPECT_EQ(ini.ReadString("PERSONALITY", "skinname", "x"), "Blue Steel");
  EXPECT_EQ(ini.ReadString("Personality", "FRAME", "x"), "3");
  // The blank inside the brackets is part of the name.
  EXPECT_EQ(ini.SectionLine("Buttons"), -1);
  EXPECT_EQ(ini.ReadString("Buttons", "Normal", "none"), "none");
  EXPECT_EQ(ini.ReadString(" Buttons", "Normal", "none"), "a.bmp");
  EXPECT_EQ(ini.ReadSections(), (std::vector<AnsiString>{"personality", "Buttons"}));
}

TEST(QuickIni, FirstSectionAndFirstKeyWin) {
  const TQuickIni ini = Load(
      "orphan=before any section\n"
      "[A]\n"
      "key=\n"
      "key=second\n"
      "other=1\n"
      "[B]\n"
      "key=b\n"
      "[a]\n"
      "other=2\n");
  // The first "key" has an empty value: the default, not the second entry.
  EXPECT_EQ(ini.ReadString("A", "key", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("A", "other", ""), "1");
  // The search stops at the next header.
  EXPECT_EQ(ini.ReadString("A", "missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("B", "other", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("", "orphan", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadSections(), (std::vector<AnsiString>{"A", "B", "a"}));
}

TEST(QuickIni, KeepsOnlyNonEmptyNonCommentLines) {
  const TQuickIni ini = Load(
      "\t; comment\r\r\n"
      "[S]\r\r\n"
      "\r\n"
      "Colour=1;2;3 ;kept\r"
      "no equals sign\n"
      ";k=v\n"
      "=empty key\x00\n"
      "[after NUL]\n"sv);
  EXPECT_EQ(ini.SectionLine("S"), 0);
  EXPECT_EQ(ini.ReadString("S", "colour", ""), "1;2;3 ;kept");
  EXPECT_EQ(ini.ReadString("S", ";k", "dflt"), "dflt");
  // A line without "=" has an empty key, found only by an empty key.
  EXPECT_EQ(ini.ReadString("S", "no equals sign", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("S", "", "dflt"), "dflt");
  // A NUL ends the text.
  EXPECT_EQ(ini.SectionLine("after NUL"), -1);
  EXPECT_EQ(ini.ReadSections(), std::vector<AnsiString>{"S"});
}

TEST(QuickIni, ReadsIntegersInDecimalAndHexadecimal) {
  const TQuickIni ini = Load(
      "[N]\n"
      "dec=42\nneg=-17\nplus=+5\n"
      "hex1=0x1F\nhex2=0X1f\nhex3=$1F\nnegHex=-$10\n"
      "colour=$FF000005\nwide=0x100000000\n"
      "bare0x=0x\nbareDollar=$\nsign=-\nspace=1 2\nletters=12px\n"
      "max=2147483647\nmin=-2147483648\nover=2147483648\nunder=-2147483649\n"
      "empty=\n");
  auto read = [&ini](const char* key) { return ini.ReadInteger("N", key, -999); };
  EXPECT_EQ(read("dec"), 42);
  EXPECT_EQ(read("neg"), -17);
  EXPECT_EQ(read("plus"), 5);
  EXPECT_EQ(read("hex1"), 31);
  EXPECT_EQ(read("hex2"), 31);
  EXPECT_EQ(read("hex3"), 31);
  EXPECT_EQ(read("negHex"), -16);
  // Eight hexadecimal digits give the 32-bit pattern: a system colour.
  EXPECT_EQ(read("colour"), static_cast<std::int32_t>(0xFF000005u));
  EXPECT_EQ(read("max"), 2147483647);
  EXPECT_EQ(read("min"), INT32_MIN);
  for (const char* bad :
       {"wide", "bare0x", "bareDollar", "sign", "space", "letters", "over", "under", "empty", "missing"}) {
    EXPECT_EQ(read(bad), -999) << bad;
  }
}

TEST(QuickIni, LoadingAgainReplacesEverything) {
  TQuickIni ini = Load("[Old]\nk=v\n");
  ini.LoadFromStream("[New]\nk=w\n");
  EXPECT_EQ(ini.SectionLine("Old"), -1);
  EXPECT_EQ(ini.ReadString("New", "k", ""), "w");
  ini.LoadFromStream("");
  EXPECT_EQ(ini.ReadString("New", "k", "gone"), "gone");
  EXPECT_TRUE(ini.ReadSections().empty());
}
