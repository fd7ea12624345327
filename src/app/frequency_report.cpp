#include "app/frequency_report.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

// A word's count is the number of occurrences whose folded form (trimmed,
// upper-cased) is byte for byte its own. Occurrences come as distinct texts
// with how often each occurs, so each text is folded once.
TFrequencyReport Report(std::size_t word_count, const std::vector<std::string_view>& texts,
                        const std::vector<std::size_t>& occurrences,
                        const std::vector<std::string_view>& distinct_words, const TLocale& locale) {
  TFrequencyReport report;
  report.summary = "单词总数= " + std::to_string(word_count) + " 重复情况如下";

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
  for (TSpelling spelling : index.Occurrences()) ++occurrences[spelling];
  return Report(raw_words.size(), texts, occurrences,
                std::vector<std::string_view>(distinct_words.begin(), distinct_words.end()), locale);
}

TFrequencyReport BuildFrequencyReport(const TWordIndex& index, const std::vector<TSpelling>& distinct_words,
                                      const TLocale& locale) {
  TFrequencyReport report;
  report.summary = "单词总数= " + std::to_string(index.Occurrences().size()) + " 重复情况如下";
  if (distinct_words.empty()) return report;

  // Spellings share a count when their folded forms are equal: each spelling
  // is folded once, and the occurrences are counted by number.
  std::vector<std::size_t> occurrences(index.SpellingCount(), 0);
  for (TSpelling spelling : index.Occurrences()) ++occurrences[spelling];
  std::vector<TSpelling> fold_of(index.SpellingCount());
  std::vector<std::size_t> counts;
  std::vector<bool> empty;
  {
    TWordIndex folds;  // the folded texts, each once
    for (TSpelling spelling = 0; spelling < index.SpellingCount(); ++spelling) {
      const AnsiString key = locale.AnsiUpperCase(Trim(index.Text(spelling)));
      folds.Add(key);
      const TSpelling fold = folds.Occurrences().back();
      if (fold == counts.size()) {
        counts.push_back(0);
        empty.push_back(key.empty());
      }
      fold_of[spelling] = fold;
      counts[fold] += occurrences[spelling];
    }
  }  // the folded texts go before the rows are made

  report.rows.reserve(distinct_words.size());
  int number = 0;
  for (TSpelling spelling : distinct_words) {
    const std::uint32_t fold = fold_of[spelling];
    if (empty[fold] || counts[fold] == 0) continue;
    report.rows.push_back(TReportRow{
        std::to_string(++number), {AnsiString(index.Text(spelling)), std::to_string(counts[fold])}, -1});
  }
  return report;
}
