#include "framework/win/windows_locale.h"

#include <gtest/gtest.h>

TEST(WindowsLocale, ComparesIgnoringCaseAndOrdersAsciiBeforeChinese) {
  const WindowsLocale locale;
  EXPECT_EQ(locale.CompareText("Apple", "aPPLE"), 0);
  EXPECT_LT(locale.CompareText("apple", "Banana"), 0);
  EXPECT_GT(locale.CompareText("b", "A"), 0);
  EXPECT_LT(locale.CompareText("zebra", "中文"), 0);
  EXPECT_LT(locale.CompareText("", "a"), 0);
  EXPECT_EQ(locale.CompareText("ＡＢＣ", "ａｂｃ"), 0);
}

TEST(WindowsLocale, UpperCasesGbkLettersAndKeepsEverythingElse) {
  const WindowsLocale locale;
  EXPECT_EQ(locale.AnsiUpperCase("abc 中文 xyz"), "ABC 中文 XYZ");
  EXPECT_EQ(locale.AnsiUpperCase("ａｂｃ"), "ＡＢＣ");
  EXPECT_EQ(locale.AnsiUpperCase("αβ"), "ΑΒ");
  // The trail byte of a two-byte character is never taken for a letter.
  EXPECT_EQ(locale.AnsiUpperCase("\x81\x61"), "\x81\x61");
  // Invalid pairs and a lone lead byte at the end stay as they are.
  EXPECT_EQ(locale.AnsiUpperCase("\x81\x30x\xFF"), "\x81\x30X\xFF");
  EXPECT_EQ(locale.AnsiUpperCase("a\x81"), "A\x81");
  EXPECT_EQ(locale.AnsiUpperCase("\x80z"), "\x80Z");

  // Lower-casing is the same mapping the other way, and neither depends on
  // the system's own ANSI code page.
  EXPECT_EQ(locale.AnsiLowerCase("ABC 中文 ＡＢＣ ΑΒ \x81\x41"), "abc 中文 ａｂｃ αβ \x81\x41");
  EXPECT_EQ(locale.AnsiLowerCase("\xD6\xD0"
                                 "A"),
            "\xD6\xD0"
            "a");  // 中 is not Ö
}
