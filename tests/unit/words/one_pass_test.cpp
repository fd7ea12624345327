// The one-pass stages against the literal procedures they replace, on random
// inputs made to hit their corner cases.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "app/punctuation_table.h"
#include "app/repeated_words.h"
#include "app/separator_replace.h"
#include "app/word_cutter.h"
#include "app/word_index.h"

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

// Texts as the byte pass leaves them are cut 64 bytes at a time; anything
// else sends the cut back to a byte at a time from the item it stopped in.
TEST(OnePass, BlocksOfWorkedTextCutAsByteByByte) {
  std::mt19937 random(23);
  // Digits, letters, commas and whole characters: separators of one and two
  // characters, second bytes below 0x80 ("@", "a" and "~" among them, kept
  // inside their character), runs of lead bytes of either parity.
  const std::vector<std::string_view> worked = {"a",
                                                "Z",
                                                "7",
                                                "word",
                                                ",",
                                                ",,",
                                                "\xA3\xAC",
                                                "\xA1\xA3",
                                                "\xA8\x90\xA8\x8E",
                                                "\xA1\xE3\xA1\xE4",
                                                "\xA8\x90",
                                                "\xB0\xA1",
                                                "\xD6\xD0\xCE\xC4",
                                                "\x81\x40",
                                                "\xA1\x7E",
                                                "\xA3\x61",
                                                "\xFE\xFE",
                                                "\x81\x80",
                                                "\xA1\x40",
                                                "\xA9\x49"};
  // What a block never holds: a later block goes a byte at a time.
  const std::vector<std::string_view> foreign = {" ",    "\r\n", "\xA3",     "\x80",
                                                 "\xFF", "@",    "\x81\x7F", "\x81\x30"};
  for (int round = 0; round < 4000; ++round) {
    AnsiString text = RandomText(random, worked, 120);
    if (round % 4 == 0 && !text.empty())
      text.insert(random() % text.size(), foreign[random() % foreign.size()]);
    ASSERT_EQ(CutInOnePass(text, PunctuationTable), CutReplaced(text, PunctuationTable)) << text;
  }
  // Each byte's class, for every byte value and lead range.
  for (int round = 0; round < 64; ++round) {
    unsigned char bytes[64];
    for (unsigned char& b : bytes)
      b = static_cast<unsigned char>(round < 4 ? 64 * round + (&b - bytes) : random());
    const auto first = static_cast<unsigned char>(random());
    const auto last = static_cast<unsigned char>(round % 2 == 0 ? first + random() % 16 : random());
    const TByteBlock fast = ClassifyBlock(bytes, first, last);
    const TByteBlock slow = ClassifyBlockByByte(bytes, first, last);
    ASSERT_EQ(fast.high, slow.high);
    ASSERT_EQ(fast.comma, slow.comma);
    ASSERT_EQ(fast.word, slow.word);
    ASSERT_EQ(fast.trail, slow.trail);
    ASSERT_EQ(fast.no_lead, slow.no_lead);
    ASSERT_EQ(fast.marking, slow.marking) << int(first) << " " << int(last);
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

// The index tells words apart by their first bytes and length read in a few
// overlapping loads, and by a hash: words that differ in any one byte, at any
// length, must get spellings of their own, and equal words the same one.
TEST(OnePass, WordIndexTellsApartWordsThatDifferInAnyOneByte) {
  std::mt19937 random(17);
  std::vector<AnsiString> words;
  for (std::size_t length = 0; length <= 24; ++length) {
    AnsiString base(length, '\0');
    for (char& c : base) c = static_cast<char>(random());
    words.push_back(base);
    for (std::size_t at = 0; at < length; ++at) {
      for (unsigned char flip : {0x01, 0x80}) {
        AnsiString variant = base;
        variant[at] = static_cast<char>(variant[at] ^ flip);
        words.push_back(variant);
      }
    }
  }
  std::shuffle(words.begin(), words.end(), random);
  TWordIndex index;
  for (int pass = 0; pass < 2; ++pass) {
    for (const AnsiString& word : words) index.Add(word);
  }
  ASSERT_EQ(index.SpellingCount(), std::set<AnsiString>(words.begin(), words.end()).size());
  for (std::size_t i = 0; i < index.Occurrences().size(); ++i) {
    ASSERT_EQ(index.Text(index.Occurrences()[i]), words[i % words.size()]) << i;
  }
}
