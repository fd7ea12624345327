#include "app/frequency_report.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

#include "framework/in_parallel.h"

AnsiString SummaryLine(std::size_t word_count) {
  return "单词总数= " + std::to_string(word_count) + " 重复情况如下";
}

namespace {

// A word's count is the number of occurrences whose folded form (trimmed,
// upper-cased) is byte for byte its own. Occurrences come as distinct texts
// with how often each occurs, so each text is folded once.
TFrequencyReport Report(std::size_t word_count, const std::vector<std::string_view>& texts,
                        const std::vector<std::size_t>& occurrences,
                        const std::vector<std::string_view>& distinct_words, const TLocale& locale) {
  TFrequencyReport report;
  report.summary = SummaryLine(word_count);

  std::unordered_map<AnsiString, std::size_t> counts;
  for (std::size_t t = 0; t < occurrences.size(); ++t)
    counts[locale.AnsiUpperCase(Trim(texts[t]))] += occurrences[t];

  int number = 0;
  for (std::string_view word : distinct_words) {
    const AnsiString key = locale.AnsiUpperCase(Trim(word));
    if (key.empty()) continue;
    const auto found = counts.find(key);
    if (found == counts.end()) continue;
    report.rows.push_back(
        TReportRow{std::to_string(++number), {AnsiString(word), std::to_string(found->second)}, -1});
  }
  return report;
}

}  // namespace

TFrequencyReport BuildFrequencyReport(const std::vector<AnsiString>& raw_words,
                                      const std::vector<AnsiString>& distinct_words, const TLocale& locale) {
  TWordIndex index;
  for (std::size_t first = 0; first < raw_words.size(); first += 64) {
    std::string_view batch[64];
    const std::size_t n = std::min<std::size_t>(64, raw_words.size() - first);
    for (std::size_t k = 0; k < n; ++k) batch[k] = raw_words[first + k];
    index.Add(std::span<const std::string_view>(batch, n));
  }
  std::vector<std::string_view> texts;
  texts.reserve(index.SpellingCount());
  for (TSpelling spelling = 0; spelling < index.SpellingCount(); ++spelling)
    texts.push_back(index.Text(spelling));
  std::vector<std::size_t> occurrences(index.SpellingCount(), 0);
  for (TSpelling spelling = 0; spelling < index.SpellingCount(); ++spelling)
    occurrences[spelling] = index.Count(spelling);
  return Report(raw_words.size(), texts, occurrences,
                std::vector<std::string_view>(distinct_words.begin(), distinct_words.end()), locale);
}

namespace {

// A spelling that trimming would change.
bool Untrimmed(std::string_view text) {
  return !text.empty() &&
         (static_cast<unsigned char>(text.front()) <= 32 || static_cast<unsigned char>(text.back()) <= 32);
}

}  // namespace

TFoldedCounts CountFolded(const TWordIndex& index, const TLocale& locale) {
  TFoldedCounts folded;
  folded.word_count = index.WordCount();
  // Where texts compare equal exactly when their upper-cased forms are, the
  // ranks of spellings that trimming leaves alone are their folded forms.
  bool by_rank = index.Ranked() && locale.ComparesUpperCased();
  for (TSpelling spelling = 0; by_rank && spelling < index.SpellingCount(); ++spelling)
    by_rank = !Untrimmed(index.Text(spelling)) && !index.Text(spelling).empty();
  if (by_rank) {
    folded.fold_of.resize(index.SpellingCount());
    folded.counts.assign(index.RankCount(), 0);
    folded.empty.assign(index.RankCount(), false);
    for (TSpelling spelling = 0; spelling < index.SpellingCount(); ++spelling) {
      folded.fold_of[spelling] = index.RankOf(spelling);
      folded.counts[index.RankOf(spelling)] += index.Count(spelling);
    }
    return folded;
  }
  // Spellings share a count when their folded forms are equal: each spelling
  // is folded once, and the occurrences are counted by number.
  folded.fold_of.resize(index.SpellingCount());
  TWordIndex folds;  // the folded texts, each once
  folds.ReserveSpellings(index.SpellingCount());
  for (TSpelling spelling = 0; spelling < index.SpellingCount(); ++spelling) {
    const AnsiString key = locale.AnsiUpperCase(TrimmedView(index.Text(spelling)));
    const TSpelling fold = folds.Spell(key);
    if (fold == folded.counts.size()) {
      folded.counts.push_back(0);
      folded.empty.push_back(key.empty());
    }
    folded.fold_of[spelling] = fold;
    folded.counts[fold] += index.Count(spelling);
  }
  return folded;
}

TFoldedCounts RankAndCountFolded(TWordIndex& index, const TLocale& locale) {
  if (locale.ComparesUpperCased()) {
    index.Rank(locale);
    return CountFolded(index, locale);
  }
  TFoldedCounts folded;
  InParallel([&] { index.Rank(locale); }, [&] { folded = CountFolded(index, locale); });
  return folded;
}

TFrequencyReport BuildFrequencyReport(const TWordIndex& index, const std::vector<TSpelling>& distinct_words,
                                      const TLocale& locale) {
  return BuildFrequencyReport(CountFolded(index, locale), index, distinct_words);
}

TFrequencyReport BuildFrequencyReport(const TFoldedCounts& folded, const TWordIndex& index,
                                      const std::vector<TSpelling>& distinct_words) {
  TFrequencyReport report;
  report.summary = SummaryLine(folded.word_count);
  report.rows.reserve(distinct_words.size());
  ForEachReportRow(folded, index, distinct_words,
                   [&](std::size_t number, std::string_view word, std::size_t count) {
                     report.rows.push_back(
                         TReportRow{std::to_string(number), {AnsiString(word), std::to_string(count)}, -1});
                   });
  return report;
}
