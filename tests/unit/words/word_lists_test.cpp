// The split and the count by spelling numbers against the procedures they
// stand for, run literally: match by match, entry by entry, items added to
// sorted lists one at a time, repeats and counts by comparing every pair.

#include <gtest/gtest.h>

#include <random>

#include "app/frequency_report.h"
#include "app/punctuation_table.h"
#include "app/repeated_words.h"
#include "app/word_cutter.h"
#include "app/word_split.h"
#include "test_locales.h"

namespace {

AnsiString ReplaceEntryByEntry(AnsiString text) {
  for (std::string_view entry : PunctuationTable) {
    AnsiString out;
    for (std::size_t i = 0; i < text.size();) {
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

void AddOneByOne(TStringList& list, const std::vector<AnsiString>& items) {
  for (const AnsiString& item : items) list.Add(item);
}

// What a memo shows after the lines are appended one by one.
AnsiString MemoText(const std::vector<AnsiString>& lines) {
  AnsiString text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
  return text;
}

void Number(std::vector<AnsiString>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = std::to_string(i + 1) + ": " + lines[i];
}

// Every word in text order.
std::vector<AnsiString> LiteralWords(const AnsiString& trimmed) {
  TPerlRegEx regex;
  regex.SetSubject(trimmed);
  regex.SetRegEx(KeepPattern);
  regex.SetReplacement(",");
  for (bool found = regex.MatchFirst(); found; found = regex.MatchNext()) regex.ReplaceMatch();
  const AnsiString working = ReplaceEntryByEntry(Trim(regex.Subject())) + "\r\n";

  std::vector<AnsiString> words;
  for (std::size_t i = 0; i < working.size();) {
    while (i < working.size() && (working[i] == ' ' || working[i] == '\r' || working[i] == '\n')) ++i;
    const std::size_t start = i;
    while (i < working.size() && working[i] != ',' && working[i] != '\r' && working[i] != '\n')
      i += CharLength(working, i);
    if (i > start) words.push_back(working.substr(start, i - start));
    if (i < working.size() && working[i] == ',') ++i;
  }
  return words;
}

// The same through the one-pass stages (each checked against its literal
// procedure elsewhere), the text in one piece.
std::vector<AnsiString> WordsInOnePiece(const AnsiString& trimmed) {
  TPerlRegEx regex;
  regex.SetSubject(trimmed);
  regex.SetRegEx(KeepPattern);
  regex.SetReplacement(",");
  regex.ReplaceAllMatches();
  std::vector<AnsiString> words;
  CutAtCommas(ReplaceSeparators(Trim(regex.Subject()), PunctuationTable) + "\r\n",
              [&](std::string_view word) { words.emplace_back(word); });
  return words;
}

std::optional<TSplitResult> LiteralSplit(std::string_view text, TSplitOptions options) {
  const AnsiString trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  TStringList split_list(NativeLocale());
  for (const AnsiString& word : LiteralWords(trimmed)) split_list.Add(word);
  TSplitResult result;
  result.raw_words = split_list.Items();
  TStringList distinct(NativeLocale());
  distinct.SetDuplicates(TDuplicates::dupIgnore);
  distinct.SetSorted(true);
  AddOneByOne(distinct, split_list.Items());
  result.distinct_words = distinct.Items();

  std::vector<AnsiString> kept;
  for (const AnsiString& word : split_list.Items()) {
    TStringList seen(NativeLocale());
    seen.SetStrings(kept);
    if (!options.ignore_repeats || !ListContainsWord(seen, Trim(word))) kept.push_back(word);
  }
  TStringList sorted(NativeLocale());
  sorted.SetDuplicates(options.ignore_repeats ? TDuplicates::dupIgnore : TDuplicates::dupAccept);
  sorted.SetSorted(true);
  AddOneByOne(sorted, kept);
  std::vector<AnsiString> sorted_lines = sorted.Items();
  if (options.numbered) {
    Number(kept);
    Number(sorted_lines);
  }
  result.split_text = MemoText(kept);
  result.sorted_text = MemoText(sorted_lines);
  return result;
}

std::vector<TReportRow> LiteralReport(const TSplitResult& split) {
  std::vector<TReportRow> rows;
  for (const AnsiString& word : split.distinct_words) {
    const AnsiString key = NativeLocale().AnsiUpperCase(Trim(word));
    std::size_t n = 0;
    for (const AnsiString& raw : split.raw_words) n += NativeLocale().AnsiUpperCase(Trim(raw)) == key;
    if (!key.empty() && n > 0)
      rows.push_back({std::to_string(rows.size() + 1), {word, std::to_string(n)}, -1});
  }
  return rows;
}

// Words that differ only in case (ASCII and full-width), numbers, two-byte
// characters cut by the byte pass, and every kind of separator.
AnsiString RandomText(std::mt19937& random, int max_pieces = 40) {
  static const std::vector<std::string_view> pieces = {"Apple",    "apple",    "APPLE",
                                                       "a",        "A",        "b",
                                                       "B",        "10",       "9",
                                                       "中文",     "文",       "\xA3\xE1",
                                                       "\xA3\xC1", "\xA6\xC1", "\xA6\xE1",
                                                       "\xA1\xA1", "\xB0\x40", "\x81",
                                                       "\xD6",     " ",        " ",
                                                       "\r\n",     "\n",       "，",
                                                       "。",       "°′",       "°",
                                                       "-",        "'",        ",",
                                                       "\t",       "\xFF",     "\xA8\x90\xA8\x8E",
                                                       "\xA8\x90"};
  AnsiString text;
  const int count = std::uniform_int_distribution<int>(0, max_pieces)(random);
  for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
  return text;
}

}  // namespace

TEST(WordLists, SplitAndCountEqualTheLiteralProcedures) {
  std::mt19937 random(12);
  TPerlRegEx regex;  // one instance for every split, as the window has
  for (int round = 0; round < 400; ++round) {
    const AnsiString text = RandomText(random);
    for (const bool ignore_repeats : {false, true}) {
      for (const bool numbered : {false, true}) {
        const TSplitOptions options{ignore_repeats, numbered};
        const std::optional<TSplitResult> expected = LiteralSplit(text, options);
        const PortableRuleUnsaid unsaid;
        for (const TLocale* locale : {&NativeLocale(), static_cast<const TLocale*>(&unsaid)}) {
          const std::optional<TSplitResult> split = SplitWords(text, options, regex, *locale);
          ASSERT_EQ(split.has_value(), expected.has_value()) << text;
          if (!split) continue;
          ASSERT_EQ(split->raw_words, expected->raw_words) << text;
          ASSERT_EQ(split->distinct_words, expected->distinct_words) << text;
          ASSERT_EQ(split->split_text, expected->split_text) << text;
          ASSERT_EQ(split->sorted_text, expected->sorted_text) << text;

          const std::vector<TReportRow> rows = LiteralReport(*expected);
          ASSERT_EQ(split->report.rows, rows) << text;
          ASSERT_EQ(BuildFrequencyReport(split->raw_words, split->distinct_words, *locale).rows, rows);
          for (TWordOrder order : {TWordOrder::kKept, TWordOrder::kCountsOnly}) {
            std::optional<TWordIndex> index = SplitWordIndex(text, regex, order);
            index->Rank(*locale);
            ASSERT_EQ(BuildFrequencyReport(*index, DistinctSpellings(*index), *locale).rows, rows) << text;
          }
        }
      }
    }
  }
}

// A large text goes through the byte pass in pieces, several at once, its
// words added piece by piece meanwhile: the words, their order and the
// numbering of spellings by first occurrence stay those of one pass.
TEST(WordLists, LargeTextsSplitInPiecesGiveTheWordsOfOnePass) {
  std::mt19937 random(13);
  for (int round = 0; round < 2; ++round) {
    AnsiString text;
    while (text.size() < (5u << 18)) text += RandomText(random, 400);
    text = Trim(text);
    TPerlRegEx regex;
    const std::optional<TWordIndex> index = SplitWordIndex(text, regex);
    ASSERT_TRUE(index);
    const std::vector<AnsiString> expected = WordsInOnePiece(text);
    ASSERT_EQ(index->Occurrences().size(), expected.size());
    TSpelling next_new = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const TSpelling spelling = index->Occurrences()[i];
      ASSERT_EQ(index->Text(spelling), expected[i]) << "word " << i;
      ASSERT_LE(spelling, next_new) << "word " << i;
      if (spelling == next_new) ++next_new;
    }
    ASSERT_EQ(next_new, index->SpellingCount());
    // The byte pass, searched in pieces at once, left the subject one pass leaves.
    TPerlRegEx one_pass;
    one_pass.SetSubject(text);
    one_pass.SetRegEx(KeepPattern);
    one_pass.SetReplacement(",");
    one_pass.ReplaceAllMatches();
    EXPECT_TRUE(regex.Subject() == one_pass.Subject());
    // Counted only, the pieces give the same spellings and how often each occurs.
    TPerlRegEx again;
    const std::optional<TWordIndex> counted = SplitWordIndex(text, again, TWordOrder::kCountsOnly);
    ASSERT_EQ(counted->SpellingCount(), index->SpellingCount());
    EXPECT_EQ(counted->WordCount(), expected.size());
    std::vector<std::uint32_t> counts(index->SpellingCount(), 0);
    for (TSpelling spelling : index->Occurrences()) ++counts[spelling];
    for (TSpelling spelling = 0; spelling < counted->SpellingCount(); ++spelling) {
      ASSERT_EQ(counted->Text(spelling), index->Text(spelling));
      ASSERT_EQ(counted->Count(spelling), counts[spelling]);
    }
  }
}
