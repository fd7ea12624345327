#pragma once
// The summary line and the report rows of a split: one row per distinct word
// with the number of its occurrences, counted with the locale's upper-casing.

#include <cstdint>
#include <vector>

#include "app/word_index.h"
#include "controls/report_row.h"
#include "framework/locale.h"
#include "framework/text.h"

// "单词总数= 12 重复情况如下" for 12 words.
AnsiString SummaryLine(std::size_t word_count);

struct TFrequencyReport {
  AnsiString summary;  // "单词总数= 12 重复情况如下"
  std::vector<TReportRow> rows;
};

// Rows follow `distinct_words`: caption the running number, then the word and
// its count.
TFrequencyReport BuildFrequencyReport(const std::vector<AnsiString>& raw_words,
                                      const std::vector<AnsiString>& distinct_words, const TLocale& locale);

// How often each folded form (trimmed, upper-cased) occurs among the words
// of an index. Needs no ranking, so it can be worked out while the index is
// ranked; a ranked index whose ranks tell the folded forms apart gives them.
struct TFoldedCounts {
  std::size_t word_count = 0;          // every occurrence
  std::vector<std::uint32_t> fold_of;  // by spelling: its folded form
  std::vector<std::size_t> counts;     // by folded form: its occurrences
  std::vector<bool> empty;             // by folded form: nothing left of it
};
TFoldedCounts CountFolded(const TWordIndex& index, const TLocale& locale);
// Ranks the index and counts its folded forms: one after the other where the
// ranks tell the folded forms apart, else both at once.
TFoldedCounts RankAndCountFolded(TWordIndex& index, const TLocale& locale);

// The same with every occurrence of `index` as the raw words.
TFrequencyReport BuildFrequencyReport(const TWordIndex& index, const std::vector<TSpelling>& distinct_words,
                                      const TLocale& locale);
TFrequencyReport BuildFrequencyReport(const TFoldedCounts& counts, const TWordIndex& index,
                                      const std::vector<TSpelling>& distinct_words);

// The report's rows without making them: visit(number, word, count) for each
// in turn, numbered from 1, a word none of whose occurrences count skipped.
template <class Visit>
void ForEachReportRow(const TFoldedCounts& folded, const TWordIndex& index,
                      const std::vector<TSpelling>& distinct_words, Visit&& visit) {
  // The rows' spellings lie all over the index, in no order: what a row
  // reads is fetched some rows ahead, where its text lies first.
  constexpr std::size_t kAhead = 16;
  const std::size_t rows = distinct_words.size();
  std::size_t number = 0;
  for (std::size_t i = 0; i < rows; ++i) {
    if (i + kAhead < rows) {
      __builtin_prefetch(&folded.fold_of[distinct_words[i + kAhead]]);
      index.FetchPlace(distinct_words[i + kAhead]);
    }
    if (i + kAhead / 2 < rows) index.FetchText(distinct_words[i + kAhead / 2]);
    const TSpelling spelling = distinct_words[i];
    const std::uint32_t fold = folded.fold_of[spelling];
    if (folded.empty[fold] || folded.counts[fold] == 0) continue;
    visit(++number, index.Text(spelling), folded.counts[fold]);
  }
}
