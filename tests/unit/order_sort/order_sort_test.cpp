#include "controls/order_sort.h"

#include <gtest/gtest.h>

#include "framework/exception.h"

namespace {

using Texts = std::vector<AnsiString>;

std::vector<TReportRow> Rows(const Texts& column1) {
  std::vector<TReportRow> rows;
  for (std::size_t i = 0; i < column1.size(); ++i) {
    rows.push_back({std::to_string(i + 1), {column1[i], "x"}, static_cast<int>(i)});
  }
  return rows;
}

Texts Column(const std::vector<TReportRow>& rows, int column) {
  Texts texts;
  for (const TReportRow& row : rows) texts.push_back(column == 0 ? row.caption : row.sub_items[column - 1]);
  return texts;
}

Texts SortedColumn(const Texts& column1) {
  std::vector<TReportRow> rows = Rows(column1);
  Texts captions = {"a", "b", "c"};
  SortByColumn(rows, captions, 1);
  return Column(rows, 1);
}

}  // namespace

TEST(OrderSort, IntegerConversionAcceptsWhatThe32BitConversionAccepts) {
  EXPECT_EQ(TextToInt32("  -12"), -12);
  EXPECT_EQ(TextToInt32("+7"), 7);
  EXPECT_EQ(TextToInt32("$1F"), 31);
  EXPECT_EQ(TextToInt32("x10"), 16);
  EXPECT_EQ(TextToInt32("X10"), 16);
  EXPECT_EQ(TextToInt32("0x10"), 16);
  EXPECT_EQ(TextToInt32("-$10"), -16);
  EXPECT_EQ(TextToInt32("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(TextToInt32("$FFFFFFFF"), -1);
  for (const char* bad : {"", " ", "-", "$", "0x", "2147483648", "-2147483649", "$100000000", "12 ", "1a",
                          "0X10", "- 1", "99999999999999999999"}) {
    EXPECT_FALSE(TextToInt32(bad)) << bad;
  }
  // Compared as 64-bit values, a large hexadecimal number stays positive.
  EXPECT_EQ(TextToInt64("$FFFFFFFF"), 4294967295);
  EXPECT_EQ(TextToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_FALSE(TextToInt64("9223372036854775808"));
}

TEST(OrderSort, NumericColumnsSortByValueTextColumnsByBytes) {
  EXPECT_EQ(SortedColumn({"10", "9", "100"}), (Texts{"9", "10", "100"}));
  EXPECT_EQ(SortedColumn({"10", "9", "100", "n/a"}), (Texts{"10", "100", "9", "n/a"}));
  EXPECT_EQ(SortedColumn({"b", "B", "a"}), (Texts{"B", "a", "b"}));
  EXPECT_EQ(SortedColumn({"$FFFFFFFF", "1", "-1"}), (Texts{"-1", "1", "$FFFFFFFF"}));
  EXPECT_EQ(SortedColumn({"5", ""}), (Texts{"", "5"}));  // an empty text makes the column text
  EXPECT_EQ(SortedColumn({"ab", "a", "\xB0\xA1", "z"}), (Texts{"a", "ab", "z", "\xB0\xA1"}));
}

TEST(OrderSort, EqualRowsEndWhereTheExchangeProcedurePutsThem) {
  std::vector<TReportRow> rows = Rows({"1", "2", "1", "2", "1"});
  Texts captions = {"n", "v", "w"};
  SortByColumn(rows, captions, 1);
  EXPECT_EQ(Column(rows, 0), (Texts{"1", "3", "5", "4", "2"}));
  SortByColumn(rows, captions, 1);
  EXPECT_EQ(Column(rows, 0), (Texts{"4", "2", "5", "1", "3"}));
  // Image indexes travel with their rows.
  for (const TReportRow& row : rows) EXPECT_EQ(row.image_index + 1, std::stoi(row.caption));
}

TEST(OrderSort, ClicksToggleAndMoveTheMark) {
  std::vector<TReportRow> rows = {
      {"1", {"Apple", "3"}, -1}, {"2", {"banana", "1"}, -1}, {"3", {"cherry", "2"}, -1}};
  Texts captions = {"编号", "单词", "出现频率"};
  SortByColumn(rows, captions, 2);
  EXPECT_EQ(captions, (Texts{"编号", "单词", "↑出现频率"}));
  EXPECT_EQ(Column(rows, 2), (Texts{"1", "2", "3"}));
  SortByColumn(rows, captions, 2);
  EXPECT_EQ(captions, (Texts{"编号", "单词", "↓出现频率"}));
  EXPECT_EQ(Column(rows, 1), (Texts{"Apple", "cherry", "banana"}));
  SortByColumn(rows, captions, 1);
  EXPECT_EQ(captions, (Texts{"编号", "↑单词", "出现频率"}));
  SortByColumn(rows, captions, 0);
  EXPECT_EQ(Column(rows, 0), (Texts{"1", "2", "3"}));
  EXPECT_EQ(captions, (Texts{"↑编号", "单词", "出现频率"}));

  // A list without rows still toggles and marks.
  std::vector<TReportRow> none;
  SortByColumn(none, captions, 1);
  EXPECT_EQ(captions, (Texts{"编号", "↑单词", "出现频率"}));
}

TEST(OrderSort, ShortRowsFailWithoutChangingAnything) {
  std::vector<TReportRow> rows = {{"2", {"b", "1"}, 4}, {"1", {"a"}, 7}};
  Texts captions = {"↓n", "w", "c"};
  const auto rows_before = rows;
  try {
    SortByColumn(rows, captions, 0);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (1)");
  }
  EXPECT_EQ(rows, rows_before);
  EXPECT_EQ(captions, (Texts{"↓n", "w", "c"}));
  // Extra sub-items do not travel with the row.
  std::vector<TReportRow> wide = {{"1", {"a", "b", "extra"}, 0}};
  SortByColumn(wide, captions, 0);
  EXPECT_EQ(wide[0].sub_items, (Texts{"a", "b"}));
  EXPECT_EQ(captions[0], "↑n");
}
