#include "app/frequency_report.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

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

TFoldedCounts CountFolded(const TWordIndex& index, const TLocale& locale) {
  // Spellings share a count when their folded forms are equal: each spelling
  // is folded once, and the occurrences are counted by number.
  TFoldedCounts folded;
  folded.word_count = index.WordCount();
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
