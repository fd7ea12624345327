#include "framework/text.h"

#include <gtest/gtest.h>

TEST(Text, CharLengthStepsOverTwoByteCharacters) {
  const std::string s =
      "a\xD6\xD0"
      "b\x81";  // a 中 b, then a lone lead byte at the end
  EXPECT_EQ(CharLength(s, 0), 1u);
  EXPECT_EQ(CharLength(s, 1), 2u);
  EXPECT_EQ(CharLength(s, 3), 1u);
  EXPECT_EQ(CharLength(s, 4), 1u);
  EXPECT_FALSE(IsLeadByte(0x80));
  EXPECT_TRUE(IsLeadByte(0x81));
  EXPECT_TRUE(IsLeadByte(0xFE));
  EXPECT_FALSE(IsLeadByte(0xFF));
}

TEST(Text, TrimRemovesControlBytesAndSpacesOnly) {
  EXPECT_EQ(Trim(" \t\r\n\x01word  \x1F"), "word");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
  // A full-width space (A1 A1) is a character, not white space.
  EXPECT_EQ(Trim("\xA1\xA1 x \xA1\xA1"), "\xA1\xA1 x \xA1\xA1");
}

TEST(Text, LowerCaseAsciiLeavesSecondBytesAlone) {
  EXPECT_EQ(LowerCaseAscii("Hello WORLD 123"), "hello world 123");
  // 丄 is 81 41: its second byte is "A" but belongs to the character.
  EXPECT_EQ(LowerCaseAscii("\x81\x41"
                           "A"),
            "\x81\x41"
            "a");
  // Full-width Ａ (A3 C1) is not ASCII and stays.
  EXPECT_EQ(LowerCaseAscii("\xA3\xC1"), "\xA3\xC1");
  // A lone lead byte at the end does not swallow anything.
  EXPECT_EQ(LowerCaseAscii("Z\x81"), "z\x81");
}
