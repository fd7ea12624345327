#pragma once
// The summary line and the report rows of a split: one row per distinct word
// with the number of its occurrences, counted with the locale's upper-casing.

#include <vector>

#include "app/word_index.h"
#include "controls/report_row.h"
#include "framework/locale.h"
#include "framework/text.h"

struct TFrequencyReport {
  AnsiString summary;  // "单词总数= 12 重复情况如下"
  std::vector<TReportRow> rows;
};

// Rows follow `distinct_words`: caption the running number, then the word and
// its count.
TFrequencyReport BuildFrequencyReport(const std::vector<AnsiString>& raw_words,
                                      const std::vector<AnsiString>& distinct_words, const TLocale& locale);

// The same with every occurrence of `index` as the raw words.
TFrequencyReport BuildFrequencyReport(const TWordIndex& index, const std::vector<TSpelling>& distinct_words,
                                      const TLocale& locale);
