#include <gtest/gtest.h>

#include <string>

#include "framework/line_breaks.h"

using line_breaks::IsBreakBefore;
using line_breaks::WordEndFrom;
using line_breaks::WordStartBefore;

namespace {

// The positions where a line may begin, as a pattern: '|' before each.
std::u16string Marked(const std::u16string& text) {
  std::u16string marked;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsBreakBefore(text.data(), i)) marked += u'|';
    marked += text[i];
  }
  return marked;
}

}  // namespace

TEST(LineBreaks, ChineseWrapsBetweenCharactersButKeepsPunctuationWithItsPhrase) {
  EXPECT_EQ(Marked(u"汉字文章"), u"汉|字|文|章");
  // Closing punctuation never starts a line, opening never ends one.
  EXPECT_EQ(Marked(u"统计，单词。（注）《书》"), u"统|计，|单|词。|（注）|《书》");
  EXPECT_EQ(Marked(u"说“好”"), u"说|“好”");
}

TEST(LineBreaks, LatinWrapsOnlyAfterSpacesAndSpacesNeverStartALine) {
  EXPECT_EQ(Marked(u"well-known fact  here"), u"well-known |fact  |here");
  EXPECT_EQ(Marked(u"tab\tand\u3000ideographic"), u"tab\t|and\u3000|ideographic");
  // Mixed text: a Latin word next to Chinese may wrap at either side of it.
  EXPECT_EQ(Marked(u"单词words统计"), u"单|词|words|统|计");
  EXPECT_EQ(Marked(u"3.14，汉"), u"3.14，|汉");
}

TEST(LineBreaks, NeverInsideASurrogatePair) {
  const std::u16string text = u"汉\U00020000字";
  EXPECT_EQ(Marked(text), u"汉|\U00020000|字");
}

TEST(LineBreaks, WordStartLooksLeftAndRespectsTheLimit) {
  const std::u16string text = u"hello world 汉字";
  EXPECT_EQ(WordStartBefore(text.data(), text.size(), text.size()), 13u);  // "字"
  EXPECT_EQ(WordStartBefore(text.data(), 12, text.size()), 6u);            // "world "
  EXPECT_EQ(WordStartBefore(text.data(), 6, text.size()), 0u);             // "hello "
  EXPECT_EQ(WordStartBefore(text.data(), 0, text.size()), 0u);
  // Wrapping: the prefix that fits ends at 8, so "world" cannot stay.
  EXPECT_EQ(WordStartBefore(text.data(), 14, 8), 6u);
  EXPECT_EQ(WordStartBefore(text.data(), 14, 3), 0u);  // nothing fits: no break
}

TEST(LineBreaks, WordEndStopsAtTheNextBreakOrTheEnd) {
  const std::u16string text = u"hello world";
  EXPECT_EQ(WordEndFrom(text.data(), 0, text.size()), 6u);
  EXPECT_EQ(WordEndFrom(text.data(), 7, text.size()), text.size());
  EXPECT_EQ(WordEndFrom(text.data(), 2, 4), 4u);
}
