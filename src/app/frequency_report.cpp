#include "app/frequency_report.h"

#include <algorithm>
#include <string>

TFrequencyReport BuildFrequencyReport(const std::vector<AnsiString>& raw_words,
                                      const std::vector<AnsiString>& distinct_words, const TLocale& locale) {
  TFrequencyReport report;
  report.summary = "单词总数= " + std::to_string(raw_words.size()) + " 重复情况如下";

  // Each occurrence folded once; the count below compares every one of them.
  std::vector<AnsiString> folded;
  folded.reserve(raw_words.size());
  for (const AnsiString& word : raw_words) folded.push_back(locale.AnsiUpperCase(Trim(word)));

  int number = 0;
  for (const AnsiString& word : distinct_words) {
    const AnsiString key = locale.AnsiUpperCase(Trim(word));
    if (key.empty()) continue;
    const auto count = std::count(folded.begin(), folded.end(), key);
    if (count == 0) continue;
    report.rows.push_back(TReportRow{std::to_string(++number), {word, std::to_string(count)}, -1});
  }
  return report;
}
