#include "framework/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "test_locales.h"

// Ranks must order texts exactly as comparing them two by two does, also
// where keys share long prefixes and differ only in case or past their
// eighth byte.
TEST(Collation, RanksOrderAsPairwiseComparison) {
  const std::string_view parts[] = {"a",        "A",        "b",        "B", "abcdefg", "12345678",
                                    "\xB0\xA1", "\xA3\xC1", "\xA3\xE1", "z", ""};
  std::mt19937 random(21);
  const TLocale& locale = NativeLocale();
  for (int round = 0; round < 60; ++round) {
    std::set<AnsiString> distinct;
    const int count = static_cast<int>(random() % 120);
    for (int i = 0; i < count; ++i) {
      AnsiString text;
      for (int k = static_cast<int>(random() % 5); k > 0; --k) text += parts[random() % std::size(parts)];
      distinct.insert(text);
    }
    const std::vector<AnsiString> items(distinct.begin(), distinct.end());
    const std::vector<std::string_view> texts(items.begin(), items.end());
    const std::vector<std::uint32_t> ranks = DistinctCollationRanks(texts, locale);
    ASSERT_EQ(ranks.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      for (std::size_t j = 0; j < texts.size(); ++j) {
        const int order = locale.CompareText(texts[i], texts[j]);
        ASSERT_EQ(ranks[i] < ranks[j], order < 0) << texts[i] << " | " << texts[j];
        ASSERT_EQ(ranks[i] == ranks[j], order == 0) << texts[i] << " | " << texts[j];
      }
    }
  }
}

// Many texts are keyed in two halves and ranked in two groups at once: the
// ranks still follow the comparison from the lowest text to the highest.
TEST(Collation, ManyTextsRankAsTheirComparisonOrders) {
  // A zero byte pads the key prefixes the texts are sorted by: "a" and
  // "a\0" begin alike there and still differ.
  const std::string_view parts[] = {"a",        "A",        "q",        "Q",        "z",      "7",
                                    "\xB0\xA1", "\xD6\xD0", "\xA3\xC1", "\xA3\xE1", {"\0", 1}};
  std::mt19937 random(31);
  std::set<AnsiString> distinct{""};
  while (distinct.size() < 40000) {
    AnsiString text;
    for (int k = 1 + static_cast<int>(random() % 6); k > 0; --k) text += parts[random() % std::size(parts)];
    distinct.insert(text);
  }
  const std::vector<AnsiString> items(distinct.begin(), distinct.end());
  const std::vector<std::string_view> texts(items.begin(), items.end());
  const CoarseKeys coarse;
  for (const TLocale* locale : {&NativeLocale(), static_cast<const TLocale*>(&coarse)}) {
    ASSERT_TRUE(DistinctCollationRanks({}, *locale).empty());
    ASSERT_EQ(DistinctCollationRanks({"x"}, *locale), std::vector<std::uint32_t>{0});
    const std::vector<std::uint32_t> ranks = DistinctCollationRanks(texts, *locale);
    std::vector<std::uint32_t> order(texts.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return ranks[a] < ranks[b]; });
    ASSERT_EQ(ranks[order.front()], 0u);
    for (std::size_t k = 1; k < order.size(); ++k) {
      const std::string_view a = texts[order[k - 1]];
      const std::string_view b = texts[order[k]];
      const int comparison = locale->CompareText(a, b);
      ASSERT_LE(comparison, 0) << a << " | " << b;
      ASSERT_EQ(ranks[order[k]], ranks[order[k - 1]] + (comparison < 0 ? 1 : 0)) << a << " | " << b;
    }
  }
}
