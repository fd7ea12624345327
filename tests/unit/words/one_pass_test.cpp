// The one-pass stages against the literal procedures they replace, on random
// inputs made to hit their corner cases.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/punctuation_table.h"
#include "app/repeated_words.h"
#include "app/separator_replace.h"
#include "app/word_cutter.h"

namespace {

// One pass over the text per entry, in table order.
AnsiString ReplaceEntryByEntry(AnsiString text, std::span<const std::string_view> table) {
  for (std::string_view entry : table) {
    AnsiString out;
    std::size_t i = 0;
    while (i < text.size()) {
      if (text.compare(i, entry.size(), entry) == 0) {
        out += ',';
        i += entry.size();
      } else {
        const std::size_t n = CharLength(text, i);
        out.append(text, i, n);
        i += n;
      }
    }
    text = std::move(out);
  }
  return text;
}

// The words of the text replaced entry by entry, CR LF after it.
std::vector<AnsiString> CutReplaced(const AnsiString& text, std::span<const std::string_view> table) {
  std::vector<AnsiString> words;
  CutAtCommas(ReplaceEntryByEntry(text, table) + "\r\n",
              [&](std::string_view word) { words.emplace_back(word); });
  return words;
}

std::vector<AnsiString> CutInOnePass(const AnsiString& text, std::span<const std::string_view> table) {
  std::vector<AnsiString> words;
  TWordCutter(table).ForEachWord(text, [&](std::string_view word) { words.emplace_back(word); });
  return words;
}

// Every item compared with every kept item.
std::vector<AnsiString> RemoveRepeatedWordsOneByOne(const TStringList& list) {
  if (Trim(list.Text()).empty()) return list.Items();
  TStringList kept(list.Locale());
  for (const AnsiString& item : list.Items()) {
    if (!ListContainsWord(kept, Trim(item))) kept.Add(item);
  }
  TStringList result(list.Locale());
  result.SetText(kept.Text());
  return result.Items();
}

// Text glued together from `pieces`.
AnsiString RandomText(std::mt19937& random, const std::vector<std::string_view>& pieces, int max_pieces) {
  AnsiString text;
  const int count = std::uniform_int_distribution<int>(0, max_pieces)(random);
  for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
  return text;
}

}  // namespace

TEST(OnePass, SeparatorTableAndCutInOnePassEqualEntryByEntry) {
  std::mt19937 random(7);
  // The table's own entries, their halves and first bytes (which shift the
  // character boundaries) and plain text between them.
  std::vector<std::string_view> pieces(PunctuationTable.begin(), PunctuationTable.end());
  for (std::string_view piece : {"\xA8\x90", "\xA8\x8E", "\xA1\xE3", "\xA1\xE4", "\xA1", "\xA8", "\xA3", "a",
                                 ",", " ", "\xD6\xD0", "\x81", "\r", "\n"}) {
    pieces.push_back(piece);
  }
  for (int round = 0; round < 3000; ++round) {
    const AnsiString text = RandomText(random, pieces, 30);
    ASSERT_EQ(ReplaceSeparators(text, PunctuationTable), ReplaceEntryByEntry(text, PunctuationTable)) << text;
    ASSERT_EQ(CutInOnePass(text, PunctuationTable), CutReplaced(text, PunctuationTable)) << text;
  }

  // Tables whose entries overlap each other in every order: "ab", "b", "ba",
  // "aba" and two-byte characters with the same bytes.
  const std::vector<std::string_view> parts = {"a",  "b",        "ab",       "ba",       "aba",
                                               "bb", "\xB0\xA1", "\xA1\xB0", "b\xB0\xA1"};
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string_view> table;
    const int size = std::uniform_int_distribution<int>(1, 5)(random);
    for (int i = 0; i < size; ++i) table.push_back(parts[random() % parts.size()]);
    const AnsiString text = RandomText(random, parts, 12);
    ASSERT_EQ(ReplaceSeparators(text, table), ReplaceEntryByEntry(text, table)) << text;
    ASSERT_EQ(CutInOnePass(text, table), CutReplaced(text, table)) << text;
  }
}

TEST(OnePass, RepeatedWordsByFoldedKeyEqualsComparingWithEveryKeptWord) {
  std::mt19937 random(11);
  const std::vector<std::string_view> pieces = {"a",
                                                "A",
                                                "b",
                                                "B",
                                                " ",
                                                "\t",
                                                "\x81"
                                                "a",
                                                "\x81"
                                                "A",
                                                "\xB0\xA1",
                                                "\x81"};
  for (int round = 0; round < 2000; ++round) {
    TStringList list(NativeLocale());
    const int count = std::uniform_int_distribution<int>(0, 20)(random);
    for (int i = 0; i < count; ++i) list.Add(RandomText(random, pieces, 4));
    const std::vector<AnsiString> expected = RemoveRepeatedWordsOneByOne(list);
    RemoveRepeatedWords(list);
    ASSERT_EQ(list.Items(), expected);
  }
}
