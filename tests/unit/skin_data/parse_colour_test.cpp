#include "skin/data/ini/parse_colour.h"

#include <gtest/gtest.h>

TEST(ParseColour, ReadsThreeRunsWhateverSeparatesThem) {
  EXPECT_EQ(ParseColour("10 20 30"), RgbColour(10, 20, 30));
  EXPECT_EQ(ParseColour("10,20,30"), RgbColour(10, 20, 30));
  EXPECT_EQ(ParseColour("  10, 20;30 \t"), RgbColour(10, 20, 30));
  EXPECT_EQ(ParseColour("rgb(10/20/30)"), RgbColour(10, 20, 30));
}

TEST(ParseColour, CountsARunAtTheEndOnlyAfterTwoOthers) {
  EXPECT_EQ(ParseColour("10 20"), RgbColour(10, 0, 0));
  EXPECT_EQ(ParseColour("10 20,"), RgbColour(10, 20, 0));
  EXPECT_EQ(ParseColour("10"), clBlack);
  EXPECT_EQ(ParseColour("10,"), RgbColour(10, 0, 0));
  // Trailing blanks are trimmed first, so they do not make the last run count.
  EXPECT_EQ(ParseColour("10 20   "), RgbColour(10, 0, 0));
}

TEST(ParseColour, EmptyOrDigitlessTextIsBlack) {
  EXPECT_EQ(ParseColour(""), clBlack);
  EXPECT_EQ(ParseColour("   "), clBlack);
  EXPECT_EQ(ParseColour("red"), clBlack);
}

TEST(ParseColour, TakesChannelsModulo256AndIgnoresLaterRuns) {
  EXPECT_EQ(ParseColour("256 257 511"), RgbColour(0, 1, 255));
  EXPECT_EQ(ParseColour("1 2 3 4 5"), RgbColour(1, 2, 3));
  // A run far beyond 32 bits: 10^30 mod 256 = 0 (10^30 = 2^30 * 5^30).
  EXPECT_EQ(ParseColour("1000000000000000000000000000000 7 8"), RgbColour(0, 7, 8));
}
