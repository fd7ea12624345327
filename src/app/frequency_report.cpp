#include "app/frequency_report.h"

#include <string>
#include <unordered_map>

TFrequencyReport BuildFrequencyReport(const std::vector<AnsiString>& raw_words,
                                      const std::vector<AnsiString>& distinct_words, const TLocale& locale) {
  TFrequencyReport report;
  report.summary = "单词总数= " + std::to_string(raw_words.size()) + " 重复情况如下";

  // A word's count is the number of occurrences whose folded form (trimmed,
  // upper-cased) is byte for byte its own: counted once per folded form, so
  // the work grows with the occurrences, not with occurrences times words.
  std::unordered_map<AnsiString, std::size_t> counts;
  for (const AnsiString& word : raw_words) ++counts[locale.AnsiUpperCase(Trim(word))];

  int number = 0;
  for (const AnsiString& word : distinct_words) {
    const AnsiString key = locale.AnsiUpperCase(Trim(word));
    if (key.empty()) continue;
    const auto found = counts.find(key);
    if (found == counts.end()) continue;
    const std::size_t count = found->second;
    report.rows.push_back(TReportRow{std::to_string(++number), {word, std::to_string(count)}, -1});
  }
  return report;
}
