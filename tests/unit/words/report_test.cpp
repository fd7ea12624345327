#include <gtest/gtest.h>

#include "app/frequency_report.h"
#include "app/report_export.h"
#include "app/word_split.h"
#include "framework/exception.h"

namespace {

TFrequencyReport ReportOf(std::string_view text) {
  TPerlRegEx regex;
  const auto split = SplitWords(AnsiString(text), {false, true}, regex, NativeLocale());
  EXPECT_TRUE(split.has_value());
  return BuildFrequencyReport(split->raw_words, split->distinct_words, NativeLocale());
}

}  // namespace

TEST(FrequencyReport, CountsWithUpperCasingInDistinctOrder) {
  const TFrequencyReport report = ReportOf("Apple apple APPLE banana");
  EXPECT_EQ(report.summary, "单词总数= 4 重复情况如下");
  EXPECT_EQ(report.rows, (std::vector<TReportRow>{{"1", {"Apple", "3"}, -1}, {"2", {"banana", "1"}, -1}}));

  EXPECT_EQ(ReportOf("2008 2008 1999").rows,
            (std::vector<TReportRow>{{"1", {"1999", "1"}, -1}, {"2", {"2008", "2"}, -1}}));
  // The upper-casing folds full-width letters too, unlike the memo's repeat test.
  EXPECT_EQ(ReportOf("ａｂ ＡＢ").rows, (std::vector<TReportRow>{{"1", {"ａｂ", "2"}, -1}}));

  const TFrequencyReport empty = ReportOf("，。！");
  EXPECT_EQ(empty.summary, "单词总数= 0 重复情况如下");
  EXPECT_TRUE(empty.rows.empty());
}

TEST(FrequencyReport, WordsWithoutOccurrencesGetNoRowAndNoNumber) {
  const TFrequencyReport report = BuildFrequencyReport({"b", "b"}, {"a", " ", "b"}, NativeLocale());
  EXPECT_EQ(report.summary, "单词总数= 2 重复情况如下");
  EXPECT_EQ(report.rows, (std::vector<TReportRow>{{"1", {"b", "2"}, -1}}));
}

// Words that trimming changes count with the word they trim to, though they
// rank apart from it.
TEST(FrequencyReport, CountsOfAnIndexFoldTrimmedWords) {
  TWordIndex index;
  for (std::string_view word : {" b", "b", "B\t", "\t"}) index.Add(word);
  index.Rank(NativeLocale());
  EXPECT_EQ(BuildFrequencyReport(index, {1, 3}, NativeLocale()).rows,
            (std::vector<TReportRow>{{"1", {"b", "3"}, -1}}));
}

TEST(ReportExport, BytesForBothHeaders) {
  const std::vector<TReportRow> rows = {{"2", {"banana", "1"}, -1}, {"1", {"中文", "3"}, -1}};
  EXPECT_EQ(ExportReport(rows, true),
            "\xB1\xE0\xBA\xC5,\xB5\xA5\xB4\xCA,\xB3\xF6\xCF\xD6\xC6\xB5\xC2\xCA\r\n\r\n"
            "2,banana,1\r\n1,\xD6\xD0\xCE\xC4,3\r\n");
  EXPECT_EQ(ExportReport(rows, false), "单词,出现频率\r\n\r\nbanana,1\r\n中文,3\r\n");
  EXPECT_EQ(ExportReport({}, false), "单词,出现频率\r\n\r\n");
  EXPECT_THROW(ExportReport({{"1", {"x"}, -1}}, true), EListError);
}
