#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "controls/order_sort.h"

namespace {

// "w" and a number, appended rather than prefixed: GCC 12 at -O3 warns
// falsely (-Wrestrict) on a literal put in front of a temporary string.
AnsiString Word(std::uint64_t number) {
  AnsiString word = "w";
  word += std::to_string(number);
  return word;
}

using Texts = std::vector<AnsiString>;
constexpr std::size_t kColumns = 3;

int CompareBytes(const AnsiString& a, const AnsiString& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The header-click sort done the slow way, pair by pair in both orders: the
// order it leaves equal rows in is what the fast sort has to reproduce.
void ExchangeSort(std::vector<TReportRow>& rows, int column, bool ascending) {
  Texts keys;
  for (const TReportRow& row : rows) keys.push_back(column == 0 ? row.caption : row.sub_items[column - 1]);
  const bool numeric =
      std::all_of(keys.begin(), keys.end(), [](const AnsiString& k) { return TextToInt32(k); });
  std::vector<std::int64_t> values;
  if (numeric) {
    for (const AnsiString& key : keys) values.push_back(*TextToInt64(key));
  }
  const auto compare = [&](std::size_t i, std::size_t j) {
    return numeric ? (values[i] > values[j]) - (values[i] < values[j]) : CompareBytes(keys[i], keys[j]);
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < rows.size(); ++j) {
      const int order = compare(i, j);
      if (ascending ? order < 0 : order > 0) {
        std::swap(rows[i], rows[j]);
        std::swap(keys[i], keys[j]);
        if (numeric) std::swap(values[i], values[j]);
      }
    }
  }
  for (TReportRow& row : rows) row.sub_items.resize(kColumns - 1);
}

// Texts for one column: `distinct` values, several spellings of the same
// number among them, and sometimes one text that is not a number.
AnsiString RandomText(std::mt19937& random, int distinct, bool numeric) {
  static const Texts kNumbers[] = {
      {"16", "$10", "x10", " 0x10", "+16"}, {"-1", "-$1", "  -1"}, {"0", "-0", "$0"},
      {"2147483647", "$7FFFFFFF"},          {"$FFFFFFFF"},         {"-2147483648"}};
  // Texts that share their first eight bytes and differ after them, or by a
  // zero byte at the end, as well as short ones.
  static const Texts kTexts = {
      "",         "a",     "B",  "ab",       "b",          "\xB0\xA1",     "\xB0\xA1z",
      "\xD6\xD0", "a\x80", " a", "abcdefgh", "abcdefghij", "abcdefgh\xFF", AnsiString("ab\0", 3)};
  const int value = static_cast<int>(random() % static_cast<unsigned>(distinct));
  if (numeric) {
    if (value < 6) {
      const Texts& spellings = kNumbers[value];
      return spellings[random() % spellings.size()];
    }
    return std::to_string(value * 37 - 1000);
  }
  return value < static_cast<int>(kTexts.size()) ? kTexts[static_cast<std::size_t>(value)] : Word(value);
}

}  // namespace

TEST(ExchangeOrder, MatchesThePairwiseExchangeOnRandomRowsAndClicks) {
  for (unsigned seed = 0; seed < 300; ++seed) {
    std::mt19937 random(seed);
    // One list long enough for runs of ties over many words of free slots.
    const std::size_t n = seed < 20 ? seed : seed == 107 ? 1200 : random() % 301;
    // Mostly few values, so that long runs of ties must land exactly.
    const int distinct = seed % 4 == 0 ? 400 : 1 + static_cast<int>(random() % 15);
    const bool numeric1 = seed % 3 != 0;
    const bool one_word = seed % 5 == 1;
    std::vector<TReportRow> rows;
    for (std::size_t r = 0; r < n; ++r) {
      rows.push_back(
          {std::to_string(r + 1),
           {RandomText(random, distinct, numeric1), RandomText(random, distinct, !numeric1), "spare"},
           static_cast<int>(r)});
    }
    if (one_word && n > 0) rows[random() % n].sub_items[0] = "n/a";
    std::vector<TReportRow> expected = rows;
    Texts captions = {"n", "v", "w"};

    int last_column = -1;
    bool ascending = true;
    for (int click = 0; click < 6; ++click) {
      // Repeated clicks on one column are as likely as a move to another.
      const int column = click > 0 && random() % 2 ? last_column : static_cast<int>(random() % kColumns);
      ascending = column == last_column ? !ascending : true;
      last_column = column;
      SortByColumn(rows, captions, column);
      ExchangeSort(expected, column, ascending);
      ASSERT_EQ(rows, expected) << "seed " << seed << " click " << click << " column " << column;
      ASSERT_EQ(captions[static_cast<std::size_t>(column)].substr(0, 2), ascending ? "↑" : "↓");
    }
    // Sorting by the row numbers brings the first order back.
    SortByColumn(rows, captions, 0);
    if (captions[0].substr(0, 2) == "↓") SortByColumn(rows, captions, 0);
    for (std::size_t r = 0; r < n; ++r)
      ASSERT_EQ(rows[r].image_index, static_cast<int>(r)) << "seed " << seed;
  }
}

TEST(ExchangeOrder, SortsALargeReportWithFewValues) {
  constexpr std::size_t kRows = 79000;
  std::mt19937 random(7);
  std::vector<TReportRow> rows;
  for (std::size_t r = 0; r < kRows; ++r) {
    rows.push_back({std::to_string(r + 1), {Word(random() % 3), std::to_string(random() % 50)}, 0});
  }
  Texts captions = {"n", "v", "w"};
  for (int column : {2, 2, 1, 0}) {
    SortByColumn(rows, captions, column);
    ASSERT_EQ(rows.size(), kRows);
  }
  for (std::size_t r = 0; r < kRows; ++r) ASSERT_EQ(rows[r].caption, std::to_string(r + 1));
}
