#include "app/word_split.h"

#include <gtest/gtest.h>

#include "app/repeated_words.h"

namespace {

using Lines = std::vector<AnsiString>;

TSplitResult Split(std::string_view text, TSplitOptions options = {false, false}) {
  TPerlRegEx regex;
  std::optional<TSplitResult> result = SplitWords(AnsiString(text), options, regex, NativeLocale());
  EXPECT_TRUE(result.has_value());
  return result.value_or(TSplitResult{});
}

// A memo's lines: its text cut at CR LF; none for an empty text.
Lines MemoLines(const AnsiString& text) {
  Lines lines;
  if (text.empty()) return lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == AnsiString::npos) return lines;
    start = end + 2;
  }
}

Lines Words(std::string_view text) {
  return MemoLines(Split(text).split_text);
}

}  // namespace

TEST(WordSplit, AsciiPunctuationAndDigits) {
  EXPECT_EQ(Words("It's a well-known fact."), (Lines{"It", "s", "a", "well", "known", "fact"}));
  EXPECT_EQ(Words("3.14, 2008"), (Lines{"3", "14", "2008"}));
  EXPECT_EQ(Words("one\r\ntwo\tthree\nfour"), (Lines{"one", "two", "three", "four"}));
  EXPECT_EQ(Words(std::string_view("a\0b\x7F"
                                   "c\x80"
                                   "d\xFF"
                                   "e",
                                   10)),
            (Lines{"a", "b", "c", "d", "e"}));
}

TEST(WordSplit, FullWidthSeparatorsAndWhatStaysInsideWords) {
  EXPECT_EQ(Words("中文，文本。"), (Lines{"中文", "文本"}));
  EXPECT_EQ(Words("中文　文本"), (Lines{"中文　文本"}));  // ideographic space is no separator
  EXPECT_EQ(Words("‘word’"), (Lines{"word’"}));
  EXPECT_EQ(Words("甲·乙°′丙°丁"), (Lines{"甲", "乙", "丙", "丁"}));
  EXPECT_EQ(Words("Ａ．Ｂ－Ｃ"), (Lines{"Ａ．Ｂ－Ｃ"}));
}

// Characters outside GB2312 stay whole: no lost lead bytes, no spurious ASCII
// words, no comma hidden inside a word.
TEST(WordSplit, TwoByteCharactersOutsideGb2312StayWhole) {
  EXPECT_EQ(Words("因為他們"), (Lines{"因為他們"}));
  EXPECT_EQ(Words("\x81\x41\x81\x64"), (Lines{"\x81\x41\x81\x64"}));  // 丄乤
  EXPECT_EQ(Words("\xB0\x40,x"), (Lines{"\xB0\x40", "x"}));           // second byte 0x40
  // A lead byte without a valid second byte is a separator of its own.
  EXPECT_EQ(Words("ab\x81,cd"), (Lines{"ab", "cd"}));
  EXPECT_EQ(Words("ab\xD6\x7F"
                  "cd"),
            (Lines{"ab", "cd"}));
  EXPECT_EQ(Words("ab\x80"
                  "cd"),
            (Lines{"ab", "cd"}));
  EXPECT_EQ(Words("ab \xD6"), (Lines{"ab"}));  // the last byte a lead byte
  // The two-character table entries can match now that their bytes are kept.
  EXPECT_EQ(Words("甲◥◣乙◥丙"), (Lines{"甲", "乙◥丙"}));
}

TEST(WordSplit, ListsAndMemosForRepeatedWords) {
  const TSplitResult plain = Split("Apple apple APPLE");
  EXPECT_EQ(MemoLines(plain.split_text), (Lines{"Apple", "apple", "APPLE"}));
  EXPECT_EQ(MemoLines(plain.sorted_text), (Lines{"APPLE", "apple", "Apple"}));
  EXPECT_EQ(plain.distinct_words, (Lines{"Apple"}));
  EXPECT_EQ(plain.raw_words, (Lines{"Apple", "apple", "APPLE"}));

  const TSplitResult ignoring = Split("Apple apple APPLE", {true, false});
  EXPECT_EQ(MemoLines(ignoring.split_text), (Lines{"Apple"}));
  EXPECT_EQ(MemoLines(ignoring.sorted_text), (Lines{"Apple"}));
  EXPECT_EQ(ignoring.raw_words.size(), 3u);

  const TSplitResult numbered = Split("Apple apple APPLE", {false, true});
  EXPECT_EQ(MemoLines(numbered.split_text), (Lines{"1: Apple", "2: apple", "3: APPLE"}));
  EXPECT_EQ(MemoLines(numbered.sorted_text), (Lines{"1: APPLE", "2: apple", "3: Apple"}));
  EXPECT_EQ(numbered.raw_words, (Lines{"Apple", "apple", "APPLE"}));

  const TSplitResult both = Split("b a B c a", {true, true});
  EXPECT_EQ(MemoLines(both.split_text), (Lines{"1: b", "2: a", "3: c"}));
  EXPECT_EQ(MemoLines(both.sorted_text), (Lines{"1: a", "2: b", "3: c"}));
  EXPECT_EQ(both.distinct_words, (Lines{"a", "b", "c"}));
}

TEST(WordSplit, EmptyAndSeparatorOnlyInputs) {
  TPerlRegEx regex;
  EXPECT_FALSE(SplitWords(" \r\n\t ", {}, regex, NativeLocale()).has_value());
  const TSplitResult none = Split("，。！", {true, true});
  EXPECT_TRUE(none.raw_words.empty());
  EXPECT_TRUE(none.distinct_words.empty());
  EXPECT_TRUE(MemoLines(none.split_text).empty());
  EXPECT_TRUE(MemoLines(none.sorted_text).empty());
}

TEST(WordSplit, ASecondSplitWithTheSameComponentGivesTheSameResult) {
  TPerlRegEx regex;
  const auto first = SplitWords("x y x", {false, true}, regex, NativeLocale());
  const auto second = SplitWords("x y x", {false, true}, regex, NativeLocale());
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->sorted_text, second->sorted_text);
  EXPECT_EQ(first->split_text, second->split_text);
}

TEST(RepeatedWords, FoldsOnlyOneByteAsciiLettersAndTrims) {
  TStringList list(NativeLocale());
  list.Add("Word ");
  EXPECT_TRUE(ListContainsWord(list, "WORD"));
  EXPECT_FALSE(ListContainsWord(list, "WORDS"));
  list.SetText("ａｂｃ");
  EXPECT_FALSE(ListContainsWord(list, "ＡＢＣ"));
  // 丄 (81 41) must not be taken for 乤 (81 61): second bytes are never folded.
  list.SetText("\x81\x61");
  EXPECT_FALSE(ListContainsWord(list, "\x81\x41"));
  list.SetText(
      "\tX\x81"
      "A\xB0\xA1 ");
  EXPECT_TRUE(ListContainsWord(list,
                               " x\x81"
                               "A\xB0\xA1"));
  EXPECT_FALSE(ListContainsWord(list,
                                "x\x81"
                                "a\xB0\xA1"));
  EXPECT_FALSE(ListContainsWord(TStringList(NativeLocale()), "x"));
}

TEST(RepeatedWords, KeepsFirstOccurrencesUntrimmedOrLeavesBlankListsAlone) {
  TStringList list(NativeLocale());
  list.SetText("b\n A\na \nB\nc");
  RemoveRepeatedWords(list);
  EXPECT_EQ(list.Items(), (Lines{"b", " A", "c"}));
  list.SetText(" \n\t");
  RemoveRepeatedWords(list);
  EXPECT_EQ(list.Items(), (Lines{" ", "\t"}));
}

// The byte pass through the regular expression against the rule written out
// directly, on random bytes biased towards the interesting ranges.
TEST(WordSplit, KeepPatternReplacesExactlyTheBytesOutsideWholeCharacters) {
  const auto direct = [](const AnsiString& text) {
    AnsiString out = text;
    for (std::size_t i = 0; i < out.size();) {
      const auto b = static_cast<unsigned char>(out[i]);
      const auto next = i + 1 < out.size() ? static_cast<unsigned char>(out[i + 1]) : 0;
      if (b >= 0x81 && b <= 0xFE && ((next >= 0x40 && next <= 0x7E) || (next >= 0x80 && next <= 0xFE))) {
        i += 2;
      } else {
        if (!((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'))) out[i] = ',';
        ++i;
      }
    }
    return out;
  };
  const unsigned char kBytes[] = {0x00, ' ',  ',',  '0',  'A',  'z',  '@', 0x7F,
                                  0x80, 0x81, 0xA0, 0xA1, 0xD6, 0xFE, 0xFF};
  unsigned seed = 12345;
  TPerlRegEx regex;
  regex.SetRegEx(KeepPattern);
  regex.SetReplacement(",");
  for (int round = 0; round < 2000; ++round) {
    AnsiString text;
    for (int n = round % 13; n > 0; --n) {
      seed = seed * 1103515245 + 12345;
      text += static_cast<char>(kBytes[(seed >> 16) % sizeof kBytes]);
    }
    regex.SetSubject(text);
    regex.ReplaceAllMatches();
    ASSERT_EQ(regex.Subject(), direct(text)) << ::testing::PrintToString(text);
  }
}
